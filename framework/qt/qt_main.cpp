// The start-up of a program on the Qt window system: the program's resources, the window
// system, then the application object. The command line belongs to Qt alone.
#include <QApplication>

#include "framework/app.h"
#include "framework/qt/qt_window_system.h"
#include "framework/resources/program_resources.h"
#include "framework/resources/resource_module.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (!AfxSetResourceImage(AfxProgramResourceImage())) {
        return 1;
    }
    QtWindowSystem windowSystem;
    AfxSetWindowSystem(&windowSystem);
    const int status = AfxRunApplication();
    AfxSetWindowSystem(nullptr);
    return status;
}
