// The entry point of a program on the Qt window system: the window system, then the
// framework's main routine. The command line belongs to Qt alone.
#include <QApplication>

#include "framework/qt/qt_window_system.h"
#include "framework/startup.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QtWindowSystem windowSystem;
    return AfxWinMain(windowSystem);
}
