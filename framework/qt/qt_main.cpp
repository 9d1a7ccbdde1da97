// The entry point of a program on the Qt window system: the window system, then the
// framework's main routine. The program takes no command-line options, and neither does Qt on
// its behalf (no -style, -platform or -reverse): Qt sees the program's name alone. Tests choose
// the platform plugin through QT_QPA_PLATFORM.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/core/app.h"
#include "framework/core/startup.h"
#include "framework/qt/qt_window_system.h"

namespace {

std::string programName;
QtMessageHandler qtHandler = nullptr;

// While the application object is being made: Qt ends a program that finds no display with a
// fatal message that suggests reinstalling it, and a core dump. Here that is one plain line and
// exit status 1; the platform plugins' own warnings on the way are left out.
void WhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: cannot open a display: set DISPLAY or WAYLAND_DISPLAY\n",
                     programName.c_str());
        std::_Exit(1);
    }
    const bool platformPlugin =
        context.category != nullptr && std::string(context.category).rfind("qt.qpa", 0) == 0;
    if (!platformPlugin && qtHandler != nullptr) {
        qtHandler(type, context, message);
    }
}

}  // namespace

int main(int, char** argv) {
    static int nameOnly = 1;
    static char* name[] = {argv[0], nullptr};
    programName = argv[0];
    programName = programName.substr(programName.find_last_of('/') + 1);
    qtHandler = qInstallMessageHandler(WhileStarting);
    QApplication application(nameOnly, name);
    qInstallMessageHandler(qtHandler);
    if (const CWinApp* app = AfxGetApp(); app != nullptr && app->m_pszAppID != nullptr) {
        QGuiApplication::setDesktopFileName(QString::fromUtf8(app->m_pszAppID));
    }
    QtWindowSystem windowSystem;
    const int status = AfxWinMain(windowSystem);
    // The program keeps nothing that its end would have to save or hand back, and its windows are
    // closed: it ends here, without tearing down the connection to the display, where Qt's
    // Wayland client can wait for ever on its event thread (seen without a session bus).
    std::exit(status);
}
