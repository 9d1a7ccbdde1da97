#!/usr/bin/python3
"""Runs the user scenario (user_scenario.txt) on a platform's driver, which offers
    key(name)            presses one key, by its name in the scenario
    type(text)           types the text
    menu_about()         chooses "About Vardolin..." in the window menu
    picture()            takes the picture
    active_title()       the title of the active window
    window_count(title)  how many windows titled so are open
    focused_text()       the text of the focused box
    notice_open()        whether the notice is open
    ended()              whether the program ends with status 0, waiting for it a while
Every other check waits for its state, 10 seconds at the most, asking as fast as the driver
answers.

Run as a program, it drives a desktop test's shell driver (user_scenario.sh): a request per line
on the standard output, the name and its argument split by a tab, and the answer read from a line
of the standard input. Each check is told on the standard error; the status is 1 if any failed."""

import sys
import time

from calculator import user_scenario

BOUND = 10


def wait_until(condition, bound=BOUND):
    deadline = time.monotonic() + bound
    while not condition():
        if time.monotonic() > deadline:
            return False
    return True


def expectation(driver, check, words):
    """What the check `expect CHECK WORDS...` waits for: (what the driver sees, the value it
    should see, what that means)."""
    what = " ".join(words)
    if check == "window":
        return driver.active_title, what, f"{what!r} is the active window"
    if check == "windows":
        title = " ".join(words[1:])
        return (lambda: driver.window_count(title)), int(words[0]), f"{words[0]} windows {title!r}"
    if check == "focused":
        return driver.focused_text, what, f"the focused box shows {what!r}"
    if check == "notice":
        return driver.notice_open, True, "the notice is open"
    raise ValueError(f"no check {check!r}")


def run(driver, report):
    """Runs the scenario's steps in turn and tells report(ok, what) how each check went."""
    for number, words in user_scenario():
        step, rest = words[0], words[1:]
        if step == "key":
            for key in rest:
                driver.key(key)
        elif step == "type":
            driver.type(" ".join(rest))
        elif step == "menu":
            driver.menu_about()
        elif step == "picture":
            driver.picture()
        elif step != "expect":
            raise ValueError(f"user_scenario.txt:{number}: no step {step!r}")
        elif rest == ["ended"]:
            report(
                driver.ended(), f"user_scenario.txt:{number}: the program has ended with status 0"
            )
        else:
            seen, expected, meaning = expectation(driver, rest[0], rest[1:])
            held = wait_until(lambda: seen() == expected)
            report(
                held, f"user_scenario.txt:{number}: {meaning}" + ("" if held else f" ({seen()!r})")
            )


class ShellDriver:
    """The driver of a desktop test, asked through a pipe."""

    def ask(self, request, argument=""):
        print(f"{request}\t{argument}", flush=True)
        answer = sys.stdin.readline()
        if not answer:
            raise EOFError(f"the driver ended before it answered {request!r}")
        return answer.rstrip("\n")

    def key(self, name):
        self.ask("key", name)

    def type(self, text):
        self.ask("type", text)

    def menu_about(self):
        self.ask("menu")

    def picture(self):
        self.ask("picture")

    def active_title(self):
        return self.ask("title")

    def window_count(self, title):
        return int(self.ask("count", title) or 0)

    def focused_text(self):
        return self.ask("focused")

    def notice_open(self):
        return self.ask("notice") == "yes"

    def ended(self):
        return self.ask("ended") == "yes"


def main():
    failures = []

    def report(ok, what):
        print(("ok: " if ok else "FAIL: ") + what, file=sys.stderr, flush=True)
        if not ok:
            failures.append(what)

    run(ShellDriver(), report)
    print(f"user scenario: {len(failures)} failures", file=sys.stderr)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
