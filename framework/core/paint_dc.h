#pragma once

#include "framework/core/wnd.h"

// A rectangle in window coordinates.
struct CRect : RECT {
    CRect() : RECT{0, 0, 0, 0} {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// Drawing on a window while it handles WM_PAINT, from construction to destruction; it draws
// nothing where the window system shows no minimised client area.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    BOOL DrawIcon(int x, int y, HICON icon);

    // The context as a message parameter (WM_ICONERASEBKGND).
    WPARAM GetSafeHdc() const { return context_; }

private:
    MinimizedPainting* painting_;
    WPARAM context_ = 0;
};
