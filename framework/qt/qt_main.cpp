// The entry point of a program on the Qt window system: the window system, then the
// framework's main routine. The program takes no command-line options, and neither does Qt on
// its behalf (no -style, -platform or -reverse): Qt sees the program's name alone. Tests choose
// the platform plugin through QT_QPA_PLATFORM.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/core/app.h"
#include "framework/core/startup.h"
#include "framework/qt/desktop_look.h"
#include "framework/qt/qt_window_system.h"

namespace {

std::string programName;
QtMessageHandler qtHandler = nullptr;

// A message that Qt gave while the application object was being made.
struct StartupMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<StartupMessage> startupMessages;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// What the user is told when Qt finds no platform to open the window on: what is missing, named
// from the session's variables and the plugins Qt lists in its fatal message.
std::string NoPlatformMessage(const QString& qtMessage) {
    const std::string wayland = Environment("WAYLAND_DISPLAY");
    if (wayland.empty()) {
        return "cannot open a display: set DISPLAY or WAYLAND_DISPLAY";
    }
    const std::string x11Advice = Environment("DISPLAY").empty() ? "; set DISPLAY to use X11" : "";
    const QString listed = QStringLiteral("Available platform plugins are: ");
    const qsizetype at = qtMessage.indexOf(listed);
    const QStringList plugins =
        at < 0 ? QStringList() : qtMessage.mid(at + listed.size()).section('.', 0, 0).split(", ");
    if (at >= 0 && !plugins.contains(QStringLiteral("wayland"))) {
        return "the Qt Wayland plugin is not installed (qt6-wayland)" + x11Advice;
    }
    return "cannot open the Wayland display " + wayland + x11Advice;
}

// While the application object is being made, Qt's messages are held back. Qt ends a program
// that finds no display with a fatal message that suggests reinstalling it, and a core dump; here
// that is one plain line that names what is missing, and exit status 1, with none of the held
// messages before it. Once the application object exists, the held messages are given as Qt
// would have given them, but for the platform plugins' own on the way.
void WhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: %s\n", programName.c_str(), NoPlatformMessage(message).c_str());
        std::_Exit(1);
    }
    startupMessages.push_back({type, context.category != nullptr ? context.category : "", message});
}

void GiveHeldMessages() {
    for (const StartupMessage& held : startupMessages) {
        if (held.category.rfind("qt.qpa", 0) != 0 && qtHandler != nullptr) {
            const QMessageLogContext context(nullptr, 0, nullptr, held.category.c_str());
            qtHandler(held.type, context, held.text);
        }
    }
    startupMessages.clear();
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
    GiveHeldMessages();
    if (const CWinApp* app = AfxGetApp(); app != nullptr && app->m_pszAppID != nullptr) {
        QGuiApplication::setDesktopFileName(QString::fromUtf8(app->m_pszAppID));
    }
    FollowDesktopLook();
    QtWindowSystem windowSystem;
    const int status = AfxWinMain(windowSystem);
    // The program keeps nothing that its end would have to save or hand back, and its windows are
    // closed: it ends here, without tearing down the connection to the display, where Qt's
    // Wayland client can wait for ever on its event thread (seen without a session bus).
    std::exit(status);
}
