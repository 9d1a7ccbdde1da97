#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "calculator/tuning_dlg.h"
#include "framework/memory/memory_window.h"
#include "res/resource.h"

// The calculator window opened on the in-memory window system, as a user finds it.
class Calculator : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(window, nullptr); }

    MemoryDialogWindow& ui() { return *window; }
    std::string Box(int id) { return window->Text(id); }
    const std::vector<std::string>& Entries(int id) { return window->Find(id)->entries; }
    int Selection(int id) { return window->GetCurSel(id); }

    // The user was told once that a number is expected, and sent back to box `id`.
    void ExpectNumberNoticeFor(int id) {
        EXPECT_EQ(window->notices(), std::vector<std::string>{"Please enter a number."});
        EXPECT_EQ(window->focus(), id);
    }

    // Types into Val. and presses the upper "Calc".
    void Analyse(const std::string& value) {
        window->Type(IDC_VALUE, value);
        window->Click(IDOK);
    }

    CTuningDlg dialog;
    std::unique_ptr<MemoryDialogWindow> window = MemoryWindowSystem::Open(dialog);
};
