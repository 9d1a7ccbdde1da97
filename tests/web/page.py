"""The calculator's web page as its tests see it: checks that are counted, the page with its
controls, keys and boxes, and a test's run in a browser of its own."""
import os
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "support"))

import user_scenario  # noqa: E402
from calculator import TAB_ORDER  # noqa: E402
from local_browser import browser, serve
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

IDOK, REF, VAL, TONE, CENT, ROLAND, YAMAHA, NOTE, CENT_IN, CALC_FREQ, OCTAVE = TAB_ORDER

failures = []

SCRIPTS = Path(__file__).resolve().parent / "page_scripts"


def page_script(*names):
    """The scripts of page_scripts/ named, joined into one to run in the page as a function's
    body."""
    return "\n".join((SCRIPTS / f"{name}.js").read_text(encoding="utf-8") for name in names)


COUNT_TIMERS = page_script("count_timers")


def check(condition, what):
    print(("ok: " if condition else "FAIL: ") + what)
    if not condition:
        failures.append(what)
    return condition


# Keys by the names the keyboard cases use: Selenium's keys, with their modifier.
KEYS = {
    "Tab": (None, Keys.TAB),
    "Shift+Tab": (Keys.SHIFT, Keys.TAB),
    "Enter": (None, Keys.ENTER),
    "Space": (None, Keys.SPACE),
    "Escape": (None, Keys.ESCAPE),
    "F1": (None, Keys.F1),
    "Shift+F10": (Keys.SHIFT, Keys.F10),
}


# The browser engine the tests run in: "chromium" (the default), "firefox" or "webkit"
# (Safari's).
ENGINE = os.environ.get("VARDOLIN_BROWSER", "chromium")


class Page:
    def __init__(self, driver, engine=ENGINE):
        self.driver = driver
        self.engine = engine

    @property
    def chromium(self):
        """Whether the page is in Chromium, whose DevTools protocol emulates screens and touch
        and types the Menu key; the other engines have none of these."""
        return self.engine == "chromium"

    def script(self, text, *args):
        return self.driver.execute_script(text, *args)

    def wait_for(self, state):
        WebDriverWait(self.driver, 10).until(
            lambda d: d.execute_script("return document.body && document.body.dataset.state")
            == state
        )

    def open(self, url):
        self.driver.get(url)
        self.wait_for("ready")

    def control(self, window, control_id):
        return self.driver.find_element(By.ID, f"vardolin-{window}-{control_id}")

    def value(self, control_id, window=1):
        return self.control(window, control_id).get_attribute("value")

    def focused(self):
        return self.script("return document.activeElement.id")

    def focused_control(self):
        """The id of the focused control, or 0."""
        name = self.focused()
        tail = name.rsplit("-", 1)[-1]
        return int(tail) if name.startswith("vardolin-") and tail.isdigit() else 0

    def focus_on_body(self):
        return self.script(
            "return document.activeElement === document.body || " "document.activeElement === null"
        )

    def whole_text_selected(self):
        return self.script(
            "const e = document.activeElement;"
            "return e.selectionStart == 0 && e.selectionEnd == e.value.length"
        )

    def press(self, name):
        """Presses a key by its name in the keyboard cases, wherever the focus is."""
        if name == "Menu" and self.chromium:
            # WebDriver has no Menu key; the browser's own key event stands in for it.
            for kind in ("keyDown", "keyUp"):
                self.driver.execute_cdp_cmd(
                    "Input.dispatchKeyEvent",
                    {
                        "type": kind,
                        "key": "ContextMenu",
                        "code": "ContextMenu",
                        "windowsVirtualKeyCode": 93,
                    },
                )
        elif name == "Menu":
            # Elsewhere a key event made in the page stands in for it.
            self.script(
                "(document.activeElement || document.body).dispatchEvent(new KeyboardEvent("
                "'keydown', {key: 'ContextMenu', bubbles: true, cancelable: true}))"
            )
        else:
            modifier, key = KEYS[name]
            self.send(key, modifiers=[modifier] if modifier else [])
        self.settle()

    def keys(self, *keys):
        self.send(*keys)
        self.settle()

    def send(self, *keys, modifiers=()):
        """Types `keys` (Selenium's key characters, or text) with `modifiers` held down."""
        if hasattr(self.driver, "send_keys"):
            self.driver.send_keys(keys, modifiers)
            return
        actions = ActionChains(self.driver)
        for modifier in modifiers:
            actions.key_down(modifier)
        actions.send_keys(*keys)
        for modifier in modifiers:
            actions.key_up(modifier)
        actions.perform()

    def click_at(self, element, x, y, button="left"):
        """A click (or a right-click) `x`, `y` px from the element's top left corner."""
        if hasattr(self.driver, "click_at"):
            self.driver.click_at(element, x, y, button)
        else:
            actions = ActionChains(self.driver).move_to_element_with_offset(element, x, y)
            (actions.context_click() if button == "right" else actions.click()).perform()
        self.settle()

    def dialogs(self):
        return [e.text for e in self.driver.find_elements(By.CSS_SELECTOR, ".dialog .title")]

    def notice(self):
        """The text of the open notice, or None."""
        found = self.driver.find_elements(By.CSS_SELECTOR, "[role=alertdialog]")
        return found[0].text if found else None

    def menu_items(self):
        return [
            e.text
            for e in self.driver.find_elements(
                By.CSS_SELECTOR, ".window-menu:not([hidden]) [role=menuitem]"
            )
        ]

    def settle(self):
        """Waits until the program has handled every event and waits for the next."""
        WebDriverWait(self.driver, 10, poll_frequency=0.01).until(
            lambda d: d.execute_script(
                "return document.body.dataset.state !== 'ready' || Module.vardolin.idle()"
            )
        )


class ScenarioDriver:
    """The user scenario's driver in the browser: keys through WebDriver, the windows and boxes
    read from the page."""

    def __init__(self, page, picture):
        self.page, self.picture_file = page, picture

    def key(self, name):
        self.page.press(name)

    def type(self, text):
        self.page.keys(text)

    def menu_about(self):
        self.page.press("Shift+F10")
        self.page.keys(Keys.ARROW_UP, Keys.ENTER)

    def picture(self):
        if self.picture_file:
            self.page.driver.save_screenshot(self.picture_file)

    def active_title(self):
        return (self.page.dialogs() or [None])[-1]

    def window_count(self, title):
        return self.page.dialogs().count(title)

    def focused_text(self):
        return self.page.script("return document.activeElement.value")

    def notice_open(self):
        return "Please enter a number." in (self.page.notice() or "")

    def ended(self):
        return user_scenario.wait_until(
            lambda: self.page.script("return document.body.dataset.state") == "ended"
        )


def run_user_scenario(page, picture=None):
    """Runs the user scenario that the desktop drivers run too, in the browser."""
    user_scenario.run(ScenarioDriver(page, picture), check)


def run_in_browser(folder, test, summary, width=1024, height=768):
    """Serves `folder` on 127.0.0.1, opens a new browser of the engine the environment names
    (VARDOLIN_BROWSER: chromium, the default, firefox or webkit) on a profile of its own and calls
    test(page, server); then reports the checks and ends the process, with status 1 when any
    failed."""
    server = serve(folder)
    print(f"in {ENGINE}")
    with tempfile.TemporaryDirectory() as profile, browser(
        ENGINE, profile, width, height
    ) as driver:
        driver.set_script_timeout(30)
        try:
            test(Page(driver), server)
        finally:
            server.shutdown()
            server.server_close()
    if failures:
        print(f"FAIL: {len(failures)} checks failed")
        sys.exit(1)
    print(f"PASS: {summary}")
