#pragma once

#include <cstddef>
#include <span>

#include "framework/core/cmd_target.h"
#include "framework/core/win_types.h"

class CWnd;
class WindowSystem;

// The application: one static object per program, constructed before start-up. Start-up calls
// its InitInstance; the program ends when InitInstance returns FALSE.
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    ~CWinApp() override;

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    // Sets the program up; FALSE ends it at once, TRUE goes on to Run.
    virtual BOOL InitInstance() { return FALSE; }
    // The application's own message loop; none here, the program ends.
    virtual int Run() { return ExitInstance(); }
    virtual int ExitInstance() { return 0; }

    // The help command (F1). While a box is open over the main window it does nothing; otherwise
    // it shows what the program has for help, through WinHelp.
    void OnHelp();

    // What the help command shows. The framework has no help of its own and shows nothing; a
    // program overrides it, for example to open its About box.
    virtual void WinHelp() {}

    // The window that stands for the application while it runs; null otherwise.
    CWnd* m_pMainWnd = nullptr;

    // The program's identity on the desktop, set by the program's constructor: the name of its
    // desktop entry, by which Linux desktops match its windows to their launcher (the app id on
    // Wayland). Null when it has none.
    LPCTSTR m_pszAppID = nullptr;
};

// The program's application object, or null before it is constructed.
CWinApp* AfxGetApp();

// The framework's start-up once the window system is ready: InitInstance, then Run or the end.
// Returns the program's exit status: 1 when a failure was reported on the way.
int AfxRunApplication();

// The whole start-up on `windowSystem` with the program's compiled resources: a resource image
// that cannot be read is reported to the user and ends the program with status 1.
int AfxStartApplication(WindowSystem& windowSystem, std::span<const std::byte> resources);
