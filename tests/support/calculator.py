"""The calculator as every end-to-end test knows it: its controls, with the ids that the program
takes from res/resource.h; the keyboard cases (keyboard_cases.txt); the user scenario
(user_scenario.txt)."""

import re
import shlex
from pathlib import Path

HERE = Path(__file__).resolve().parent
RESOURCE_IDS = HERE.parent.parent / "res" / "resource.h"

# The ids that the resource header defines, and the system's own OK button.
IDS = {
    name: int(value, 0)
    for name, value in re.findall(r"^#define (\w+) (\w+)$", RESOURCE_IDS.read_text(), re.M)
}
IDS["IDOK"] = 1

# The calculator's controls by the names the cases give them, in the template's tab order.
CONTROLS = {
    name: IDS[macro]
    for name, macro in (
        ("Calc", "IDOK"),
        ("Ref", "IDC_REFERENCE"),
        ("Val", "IDC_VALUE"),
        ("Tone", "IDC_TONE"),
        ("Cent", "IDC_CENT"),
        ("Roland", "IDC_ROLAND"),
        ("Yamaha", "IDC_YAMAHA"),
        ("Note", "IDC_NOTE"),
        ("CentIn", "IDC_CENT_IN"),
        ("CalcFreq", "IDC_CALC_FREQ"),
        ("Octave", "IDC_OCTAVE"),
    )
}
TAB_ORDER = list(CONTROLS.values())


def _lines(name):
    """The file's lines that say something, with their numbers, split as a shell splits them."""
    for number, line in enumerate((HERE / name).read_text(encoding="utf-8").splitlines(), 1):
        words = shlex.split(line, comments=True)
        if words:
            yield number, words


def keyboard_cases():
    """The keyboard cases as (name, [(line number, words)]) in the file's order."""
    cases = []
    for number, words in _lines("keyboard_cases.txt"):
        if words[0] == "case":
            cases.append((words[1], []))
        else:
            cases[-1][1].append((number, words))
    return cases


def user_scenario():
    """The user scenario's steps as (line number, words)."""
    return list(_lines("user_scenario.txt"))
