"""The keyboard of the calculator's web page in a real browser, one pytest test per case (see
conftest.py for the engine): the keyboard cases that every window system runs
(tests/support/keyboard_cases.txt), the paths on which the page once lost the keyboard to the
page's body, random keys and clicks (400 in Chromium, 100 elsewhere) after which the focus is
never on the body, and an idle page that runs no timer."""

import random
import time

import pytest
from calculator import CONTROLS, keyboard_cases
from page import CENT, COUNT_TIMERS, IDOK, KEYS, REF, TONE, VAL
from selenium.common.exceptions import ElementNotInteractableException
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

CASES = keyboard_cases()


class WebKeyboard:
    """The keyboard cases' driver on the page."""

    def __init__(self, page):
        self.page = page

    def press(self, key, opens):
        page = self.page
        page.press(key)
        notice, menu, dialogs = page.notice(), page.menu_items(), page.dialogs()
        if notice is not None:
            page.press("Enter")
        if menu:
            page.press("Escape")
        if len(dialogs) > 1:
            page.press("Escape")
        seen = (
            "notice"
            if notice
            else "menu"
            if menu
            else "about"
            if dialogs == ["Vardolin", "About Vardolin"]
            else ""
        )
        return seen == opens and (notice is None or "Please enter a number." in notice)

    def type(self, control_id, text):
        self.page.script(
            "const e = arguments[0]; e.focus(); e.select();", self.page.control(1, control_id)
        )
        self.page.keys(Keys.DELETE, *([text] if text else []))

    def run_step(self, words):
        page = self.page
        if words[0] == "key":
            return self.press(words[1], words[3] if len(words) > 3 else "")
        if words[0] == "type":
            self.type(CONTROLS[words[1]], words[2])
            return True
        if words[0] == "focus":
            page.script("arguments[0].focus()", page.control(1, CONTROLS[words[1]]))
            return True
        what = words[1]
        if what == "focus":
            return page.focused_control() == CONTROLS[words[2]]
        if what == "text":
            return page.value(CONTROLS[words[2]]) == words[3]
        if what == "selected":
            return page.focused_control() == CONTROLS[words[2]] and page.whole_text_selected()
        if what in ("pressed", "released"):
            pressed = page.control(1, CONTROLS[words[2]]).get_attribute("aria-pressed") == "true"
            return pressed == (what == "pressed")
        if what == "ended":
            return page.script("return document.body.dataset.state") == "ended"
        raise ValueError(f"a step the cases do not know: {words}")


@pytest.mark.parametrize("steps", [steps for _, steps in CASES], ids=[name for name, _ in CASES])
def test_keyboard_case(page, steps):
    page.open(page.url)
    driver = WebKeyboard(page)
    failed = [number for number, words in steps if not driver.run_step(words)]
    assert not failed, f"fails at keyboard_cases.txt lines {failed}"


def test_paths_that_once_lost_the_keyboard(page):
    driver = page.driver
    page.open(page.url)
    for key in ("Shift+F10", "F1", "Shift+F10", "Escape", "Escape"):
        page.press(key)
    assert page.focused_control() == IDOK, (
        f"Shift+F10, F1, Shift+F10 in the About box, Escape, Escape: the focus is back on "
        f"the upper Calc ({page.focused()!r})"
    )

    page.open(page.url)
    WebKeyboard(page).type(VAL, "445")
    page.click_at(driver.find_element(By.CSS_SELECTOR, ".client"), 5, 5, "right")
    page.settle()
    driver.find_elements(By.CSS_SELECTOR, ".window-menu [role=menuitem]")[-1].click()
    page.settle()
    driver.find_element(By.ID, f"vardolin-2-{IDOK}").click()
    page.settle()
    page.press("Enter")
    assert (
        page.value(TONE) == " A3"
    ), f"right-click, About Vardolin..., OK, then Enter analyses Val. ({page.value(TONE)!r})"

    page.open(page.url)
    WebKeyboard(page).type(VAL, "445")
    caption = driver.find_element(By.XPATH, "//span[@class='label'][text()='Val.:']")
    page.click_at(caption, 2, 2)
    assert page.focused_control() == VAL, "a click on the caption Val.: leaves the focus in Val."
    page.click_at(driver.find_element(By.CSS_SELECTOR, ".client"), 3, 3)
    assert page.focused_control() == VAL, "and so does a click on the window's background"
    page.press("Enter")
    assert page.value(CENT) == "19.5622", "Enter still runs the upper Calc"

    page.press("F1")
    overlay = driver.find_element(By.CSS_SELECTOR, ".overlay")
    page.click_at(overlay, 3, 3)
    assert (
        page.focused() == f"vardolin-2-{IDOK}"
    ), f"a tap outside the About box leaves the focus on its OK ({page.focused()!r})"
    page.press("Escape")
    assert (
        page.dialogs() == ["Vardolin"] and page.focused_control() == VAL
    ), "Escape closes it and Val. has the focus again"


def test_the_window_menu_is_a_menu_for_the_keyboard(page):
    """The window menu is a menu for the keyboard: the focus on its first item, arrows, Home and
    End move and wrap, Enter chooses, Escape closes it; Tab and F1 close it first."""
    page.open(page.url)
    focused_item = (
        "const e = document.activeElement;"
        "return e.getAttribute('role') === 'menuitem' ? e.textContent : null"
    )
    page.press("Shift+F10")
    seen = [page.script(focused_item)]
    for key in (Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.END, Keys.HOME, Keys.ARROW_UP):
        page.keys(key)
        seen.append(page.script(focused_item))
    assert seen == [
        "Close",
        "About Vardolin...",
        "Close",
        "About Vardolin...",
        "Close",
        "About Vardolin...",
    ], f"the menu opens on its first item; Down, Down, End, Home, Up: {seen}"
    page.press("Enter")
    assert (
        page.dialogs() == ["Vardolin", "About Vardolin"] and not page.menu_items()
    ), "Enter on About Vardolin... opens the About box and closes the menu"
    page.press("Escape")

    page.press("Shift+F10")
    page.press("Escape")
    assert (
        not page.menu_items() and page.dialogs() == ["Vardolin"] and page.focused_control() == IDOK
    ), f"Escape closes the menu and gives the focus back ({page.focused()!r})"
    page.press("Shift+F10")
    page.press("Tab")
    assert (
        not page.menu_items() and page.focused_control() == REF
    ), f"Tab closes the menu, then moves on to Ref. ({page.focused()!r})"
    page.press("Shift+F10")
    page.press("F1")
    assert (
        page.dialogs() == ["Vardolin", "About Vardolin"] and not page.menu_items()
    ), "F1 closes the menu, then opens the About box"


def test_random_keys_never_leave_the_focus_on_the_body(page):
    # A fixed start, so that a failing run can be replayed key for key.
    # The other engines' drivers take two to four times Chromium's time.
    count = 400 if page.chromium else 100
    chooser = random.Random(20261208)
    keys = list(KEYS) + ["Menu", "Escape", "ArrowDown", "4", "x", "Backspace", "click"]
    page.open(page.url)
    on_body = []
    for step in range(count):
        key = chooser.choice(keys)
        if page.script("return document.body.dataset.state") == "ended":
            page.driver.find_element(By.ID, "restart").click()
            page.wait_for("ready")
        if key == "click":
            targets = page.driver.find_elements(By.CSS_SELECTOR, ".label, .client, .overlay")
            try:
                page.click_at(chooser.choice(targets), 1, 1)
            except ElementNotInteractableException:
                pass  # WebKit's driver clicks nothing that a box covers, as a person cannot
        elif key in KEYS or key == "Menu":
            page.press(key)
        else:
            page.keys({"ArrowDown": Keys.ARROW_DOWN, "Backspace": Keys.BACKSPACE}.get(key, key))
        if page.focus_on_body():
            on_body.append(f"{step}: {key}")
    assert not on_body, (
        f"{count} random keys and clicks: the focus never falls to the page's "
        f"body {on_body[:5]}"
    )


def test_an_idle_page_runs_no_timer(page):
    if page.chromium:
        page.driver.execute_cdp_cmd(
            "Page.addScriptToEvaluateOnNewDocument", {"source": COUNT_TIMERS}
        )
        page.open(page.url)
    else:  # counted from the moment the calculator is ready
        page.open(page.url)
        page.script(COUNT_TIMERS)
    page.keys("445", Keys.ENTER)
    # A driver may start timers of its own in the page to run a script (WebKit's does): what
    # two scripts in a row count is the driver's.
    first = page.script("return window.vardolinTimers")
    before = page.script("return window.vardolinTimers")
    time.sleep(5)
    after = page.script("return window.vardolinTimers")
    started = after - before - (before - first)
    assert started == 0, f"an idle page runs no timer for 5 s ({started} started)"
