#include "tests/support/keyboard_cases.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "framework/core/win_types.h"
#include "res/resource.h"

namespace {

const std::map<std::string, int> kControls = {
    {"Calc", IDOK},          {"Ref", IDC_REFERENCE},
    {"Val", IDC_VALUE},      {"Tone", IDC_TONE},
    {"Cent", IDC_CENT},      {"Roland", IDC_ROLAND},
    {"Yamaha", IDC_YAMAHA},  {"Note", IDC_NOTE},
    {"CentIn", IDC_CENT_IN}, {"CalcFreq", IDC_CALC_FREQ},
    {"Octave", IDC_OCTAVE},
};

// The words of a line: blanks separate them, and a quoted word may hold blanks or be empty.
std::vector<std::string> WordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    std::string word;
    while (in >> std::ws && in.peek() != EOF) {
        if (in.peek() == '"') {
            in.get();
            std::getline(in, word, '"');
        } else {
            in >> word;
        }
        words.push_back(word);
    }
    return words;
}

std::vector<KeyboardCase> ReadCases() {
    std::ifstream file(VARDOLIN_KEYBOARD_CASES);
    std::vector<KeyboardCase> cases;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        const auto words = WordsOf(line);
        if (words.empty() || words[0][0] == '#') {
            continue;
        }
        if (words[0] == "case" && words.size() == 2) {
            cases.push_back({words[1], {}});
        } else if (!cases.empty()) {
            cases.back().steps.push_back({number, words});
        }
    }
    return cases;
}

int ControlId(const std::string& name) {
    const auto found = kControls.find(name);
    EXPECT_NE(found, kControls.end()) << "no control named " << name;
    return found != kControls.end() ? found->second : 0;
}

void RunStep(const std::vector<std::string>& words, KeyboardDriver& driver) {
    const auto word = [&words](std::size_t index) {
        return index < words.size() ? words[index] : std::string();
    };
    if (word(0) == "key") {
        driver.Press(word(1), word(2) == "->" ? word(3) : std::string());
    } else if (word(0) == "type") {
        driver.Type(ControlId(word(1)), word(2));
    } else if (word(0) == "focus") {
        driver.Focus(ControlId(word(1)));
    } else if (word(0) == "expect" && word(1) == "focus") {
        EXPECT_EQ(driver.FocusedControl(), ControlId(word(2)));
    } else if (word(0) == "expect" && word(1) == "text") {
        EXPECT_EQ(driver.Text(ControlId(word(2))), word(3));
    } else if (word(0) == "expect" && word(1) == "selected") {
        EXPECT_TRUE(driver.WholeTextSelected(ControlId(word(2))));
    } else if (word(0) == "expect" && (word(1) == "pressed" || word(1) == "released")) {
        EXPECT_EQ(driver.Pressed(ControlId(word(2))), word(1) == "pressed");
    } else if (word(0) == "expect" && word(1) == "ended") {
        EXPECT_TRUE(driver.Ended());
    } else {
        ADD_FAILURE() << "a step the cases do not know";
    }
}

}  // namespace

const std::vector<KeyboardCase>& KeyboardCases() {
    static const std::vector<KeyboardCase> cases = ReadCases();
    return cases;
}

void RunKeyboardCase(const KeyboardCase& keyboardCase, KeyboardDriver& driver) {
    ASSERT_FALSE(keyboardCase.steps.empty());
    for (const KeyboardStep& step : keyboardCase.steps) {
        SCOPED_TRACE(testing::Message() << "keyboard_cases.txt:" << step.line);
        RunStep(step.words, driver);
    }
}

std::string PrintToString(const KeyboardCase& keyboardCase) {
    return keyboardCase.name;
}
