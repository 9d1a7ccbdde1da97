#pragma once

class CWnd;

// Marks one of the program's modal boxes open for its lifetime: a dialog in its modal run, or a
// notice (then `dialog` is null). Boxes open nested, the innermost last; they decide who owns a
// new dialog and whether the help command may open anything.
class OpenModalBox {
public:
    explicit OpenModalBox(CWnd* dialog);
    ~OpenModalBox();
    OpenModalBox(const OpenModalBox&) = delete;
    OpenModalBox& operator=(const OpenModalBox&) = delete;

    // The innermost open dialog, or null when none is open.
    static CWnd* InnermostDialog();

    // Whether no modal box is open over `window`: none is open, or `window` is the innermost.
    static bool NothingOpenOver(const CWnd& window);
};
