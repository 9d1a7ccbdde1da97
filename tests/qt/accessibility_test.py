#!/usr/bin/python3
"""Reads the calculator's window through the AT-SPI accessibility bus, as a screen reader does,
and checks what it would say of every box, list and button: the caption that names it, what
tells boxes with the same caption apart, and whether it can be edited or is pressed."""
import sys
import time

import pyatspi


def find_window(application_name):
    for _ in range(100):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == application_name:
                for window in application:
                    if window.name == "Vardolin":
                        return window
        time.sleep(0.1)
    sys.exit(f"FAIL: no window of {application_name} on the accessibility bus")


def caption(node):
    """The caption a screen reader says: the label the box is labelled by, else its name."""
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name.rstrip(":")
    return node.name


def states(node):
    return {pyatspi.stateToString(state) for state in node.getState().getStates()}


# Role, caption, description or None, states it must have, states it must not have.
EXPECTED = [
    ("push button", "Calc", "Analyse the frequency in Val.", {"is default"}, set()),
    ("text", "Ref.", None, {"editable"}, {"read only"}),
    ("text", "Val.", None, {"editable"}, {"read only"}),
    ("text", "Tone", "The nearest note to Val.", {"read only"}, {"editable"}),
    (
        "text",
        "Cent",
        "Deviation of Val. from the nearest note, in cents",
        {"read only"},
        {"editable"},
    ),
    ("check box", "Roland", None, set(), {"checked"}),
    ("check box", "Yamaha", None, {"checked"}, set()),
    ("combo box", "Tone", "Note to compute a frequency from", set(), set()),
    ("text", "Cent", "Offset from that note in cents", {"editable"}, {"read only"}),
    ("push button", "Calc", "Put the frequency of the note into Val.", set(), {"is default"}),
    ("combo box", "Oct", "Octave of that note", set(), set()),
]


def main():
    window = find_window(sys.argv[1])
    controls = [
        child
        for child in window
        if child.getRoleName() in ("push button", "text", "check box", "combo box")
    ]
    failures = []
    if len(controls) != len(EXPECTED):
        failures.append(f"{len(controls)} controls, expected {len(EXPECTED)}")
    for node, (role, name, description, present, absent) in zip(controls, EXPECTED):
        said = f"{node.getRoleName()} '{caption(node)}'"
        if node.getRoleName() != role or caption(node) != name:
            failures.append(f"{said}, expected {role} '{name}'")
        if description is not None and node.description != description:
            failures.append(f"{said} is described as '{node.description}'")
        if not present <= states(node) or absent & states(node):
            failures.append(f"{said} has the states {sorted(states(node))}")
    for failure in failures:
        print("FAIL:", failure)
    if failures:
        sys.exit(1)
    print(f"PASS: {len(controls)} controls named, described and in the right states")


main()
