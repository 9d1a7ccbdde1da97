"""The calculator's web page as its tests see it: the page with its controls, keys and boxes,
and the scripts the tests run in it. The controls come from tests/support/calculator.py."""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "support"))

from calculator import TAB_ORDER  # noqa: E402
from local_browser import emulate_desktop, url_of
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

IDOK, REF, VAL, TONE, CENT, ROLAND, YAMAHA, NOTE, CENT_IN, CALC_FREQ, OCTAVE = TAB_ORDER

SCRIPTS = Path(__file__).resolve().parent / "page_scripts"


def page_script(*names):
    """The scripts of page_scripts/ named, joined into one to run in the page as a function's
    body."""
    return "\n".join((SCRIPTS / f"{name}.js").read_text(encoding="utf-8") for name in names)


COUNT_TIMERS = page_script("count_timers")


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


class Page:
    """The page in `driver`'s browser, of the engine named ("chromium", "firefox" or "webkit"),
    as `server` serves it at `url`."""

    def __init__(self, driver, engine, server):
        self.driver = driver
        self.engine = engine
        self.server = server
        self.url = url_of(server)

    @property
    def chromium(self):
        """Whether the page is in Chromium, whose DevTools protocol emulates screens and touch
        and types the Menu key; the other engines have none of these."""
        return self.engine == "chromium"

    def show_as_desktop(self):
        """Ends any screen that Chromium emulates: the page sees the browser's own window (the
        other engines emulate none)."""
        if self.chromium:
            emulate_desktop(self.driver)

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
