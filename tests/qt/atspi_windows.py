#!/usr/bin/python3
"""Tells what the program's windows are, through the AT-SPI accessibility bus, as assistive
technology sees them. Usage: atspi_windows.py PROGRAM QUESTION
    active           the title of the program's active window
    count TITLE      how many windows titled TITLE the program shows
    focused          the text of the focused box in the active window
    buttons TITLE    the names of the push buttons in the window TITLE, title bar included
    place TITLE NAME the centre of the push button NAME in the window TITLE, as "X Y" from the
                     window's top left corner"""
import sys

import pyatspi


def windows(program):
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == program:
            return [
                window
                for window in application
                if window.getState().contains(pyatspi.STATE_SHOWING)
            ]
    return []


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def main():
    program, question, *rest = sys.argv[1:]
    shown = windows(program)
    active = [window for window in shown if window.getState().contains(pyatspi.STATE_ACTIVE)]
    if question == "active":
        print(active[0].name if active else "")
    elif question == "count":
        print(sum(1 for window in shown if window.name == rest[0]))
    elif question == "focused":
        for node in descendants(active[0]) if active else []:
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                try:
                    text = node.queryText()
                    print(text.getText(0, text.characterCount))
                except NotImplementedError:
                    print()  # a button or a list: no text to read
                break
    elif question == "buttons":
        for window in shown:
            if window.name == rest[0]:
                print(
                    " ".join(
                        node.name
                        for node in descendants(window)
                        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON
                    )
                )
    elif question == "place":
        for window in shown:
            for node in descendants(window) if window.name == rest[0] else []:
                if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == rest[1]:
                    box = node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
                    print(box.x + box.width // 2, box.y + box.height // 2)
                    return
    else:
        sys.exit(f"no question {question!r}")


if __name__ == "__main__":
    main()
