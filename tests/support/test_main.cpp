#include <gtest/gtest.h>

#include "framework/core/program_resources.h"
#include "framework/core/resource_module.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!AfxSetResourceImage(AfxProgramResourceImage())) {
        return 2;
    }
    return RUN_ALL_TESTS();
}
