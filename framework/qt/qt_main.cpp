// The entry point of a program on the Qt window system: the window system, then the
// framework's main routine. The program takes no command-line options, and neither does Qt on
// its behalf (no -style, -platform or -reverse): Qt sees the program's name alone. Tests choose
// the platform plugin through QT_QPA_PLATFORM.
#include <QApplication>

#include "framework/core/startup.h"
#include "framework/qt/qt_window_system.h"

int main(int, char** argv) {
    static int nameOnly = 1;
    static char* name[] = {argv[0], nullptr};
    QApplication application(nameOnly, name);
    QtWindowSystem windowSystem;
    return AfxWinMain(windowSystem);
}
