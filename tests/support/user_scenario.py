"""The user scenario (user_scenario.txt) as pytest tests, one per check, on the platform's
driver that the fixture `scenario_driver` gives:
    key(name)            presses one key, by its name in the scenario
    type(text)           types the text
    menu_about()         chooses "About Vardolin..." in the window menu
    picture()            takes the picture
    active_title()       the title of the active window
    window_count(title)  how many windows titled so are open
    focused_text()       the text of the focused box
    notice_open()        whether the notice is open
    ended()              whether the program ends with status 0, waiting for it a while
Each test takes the steps after the last test's check, then waits for its own check's state, 10
seconds at the most, asking as fast as the driver answers: `-k line41` runs the scenario up to
line 41 and checks that line alone.

A desktop test runs this file with pytest through user_scenario.sh, with the driver of
conftest.py beside it; the browser's tests take test_step into tests/web/user_scenario_test.py."""

import time

import pytest
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


def take(driver, number, words):
    """Takes the step WORDS of line NUMBER. A check waits for its state and answers (whether it
    held, what it means); any other step answers None."""
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
        return driver.ended(), f"user_scenario.txt:{number}: the program has ended with status 0"
    else:
        seen, expected, meaning = expectation(driver, rest[0], rest[1:])
        held = wait_until(lambda: seen() == expected)
        return held, f"user_scenario.txt:{number}: {meaning}" + ("" if held else f" ({seen()!r})")
    return None


STEPS = user_scenario()
CHECKS = [index for index, (_, words) in enumerate(STEPS) if words[0] == "expect"]


@pytest.fixture(scope="module")
def scenario_progress():
    """How many of the scenario's steps the driver has taken."""
    return {"taken": 0}


@pytest.mark.parametrize(
    "index", CHECKS, ids=[f"line{STEPS[i][0]}: {' '.join(STEPS[i][1][1:])}" for i in CHECKS]
)
def test_step(scenario_driver, scenario_progress, index):
    for number, words in STEPS[scenario_progress["taken"] : index]:
        checked = take(scenario_driver, number, words)
        assert checked is None or checked[0], f"on the way: {checked[1]}"
    scenario_progress["taken"] = index + 1
    held, what = take(scenario_driver, *STEPS[index])
    assert held, what
