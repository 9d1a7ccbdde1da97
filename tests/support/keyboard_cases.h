#pragma once

#include <string>
#include <vector>

// The keyboard cases of the calculator window (keyboard_cases.txt, which says what each step
// means), read once and run against any window system through a KeyboardDriver.
struct KeyboardStep {
    int line;
    std::vector<std::string> words;  // the step's words, quotes taken off
};

struct KeyboardCase {
    std::string name;
    std::vector<KeyboardStep> steps;
};

// The cases of keyboard_cases.txt, in file order.
const std::vector<KeyboardCase>& KeyboardCases();

// What the cases need of a window system: the user's actions and what the user sees. Controls
// are given by id.
class KeyboardDriver {
public:
    virtual ~KeyboardDriver() = default;

    // Presses `key` ("Tab", "Shift+Tab", "Enter", "Space", "Escape", "F1", "Shift+F10", "Menu").
    // `opens` is what the key is to bring up ("notice", "menu", "about" or nothing); the driver
    // checks that exactly that came up, and closes it.
    virtual void Press(const std::string& key, const std::string& opens) = 0;
    // Puts the focus on a box, selects its text and types `text` over it.
    virtual void Type(int id, const std::string& text) = 0;
    virtual void Focus(int id) = 0;

    virtual int FocusedControl() = 0;
    virtual std::string Text(int id) = 0;
    virtual bool WholeTextSelected(int id) = 0;
    virtual bool Pressed(int id) = 0;
    virtual bool Ended() = 0;
};

// Runs the steps of `keyboardCase`; every expectation that fails is a test failure naming its
// line.
void RunKeyboardCase(const KeyboardCase& keyboardCase, KeyboardDriver& driver);

// The case's name, for the test's name.
std::string PrintToString(const KeyboardCase& keyboardCase);
