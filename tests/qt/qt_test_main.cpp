#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "framework/core/program_resources.h"
#include "framework/core/resource_module.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Widget tests need no screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    if (!AfxSetResourceImage(AfxProgramResourceImage())) {
        return 2;
    }
    return RUN_ALL_TESTS();
}
