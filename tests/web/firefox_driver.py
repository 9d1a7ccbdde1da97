"""Firefox for the page's tests, with the part of Selenium's WebDriver that they use: pages,
scripts, elements, keys, clicks, the window's size and pictures. Firefox is driven over
WebDriver BiDi by npm's puppeteer-core (firefox_bridge.mjs), since Debian packages no
geckodriver."""
import json
import os
import subprocess

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

# Selenium's key characters as puppeteer names the keys.
KEY_NAMES = {
    Keys.TAB: "Tab",
    Keys.ENTER: "Enter",
    Keys.RETURN: "Enter",
    Keys.ESCAPE: "Escape",
    Keys.SPACE: " ",
    Keys.BACKSPACE: "Backspace",
    Keys.END: "End",
    Keys.HOME: "Home",
    Keys.ARROW_DOWN: "ArrowDown",
    Keys.ARROW_UP: "ArrowUp",
    Keys.F1: "F1",
    Keys.F10: "F10",
    Keys.SHIFT: "Shift",
    Keys.CONTROL: "Control",
    Keys.ALT: "Alt",
}
HERE = os.path.dirname(os.path.abspath(__file__))


class BridgeError(Exception):
    pass


class Element:
    def __init__(self, driver, reference):
        self.driver = driver
        self.reference = reference

    def click(self):
        self.driver.request("click", target=self.reference)

    def clear(self):
        self.driver.execute_script("arguments[0].value = ''", self)

    def get_attribute(self, name):
        return self.driver.execute_script(
            "const e = arguments[0], n = arguments[1];"
            "return n in e && typeof e[n] !== 'function' && n !== 'class' ? "
            "(e[n] === null ? null : String(e[n])) : e.getAttribute(n)",
            self,
            name,
        )

    def is_displayed(self):
        return self.driver.execute_script("return arguments[0].offsetParent !== null", self)

    @property
    def text(self):
        return self.driver.execute_script("return arguments[0].innerText", self)


class FirefoxDriver:
    def __init__(self, profile, width, height):
        self.bridge = subprocess.Popen(
            ["node", os.path.join(HERE, "firefox_bridge.mjs"), profile, str(width), str(height)],
            cwd=HERE,
            stdin=subprocess.PIPE,
            stdout=subprocess.PIPE,
            text=True,
        )

    def request(self, op, **arguments):
        self.bridge.stdin.write(json.dumps({"op": op, **arguments}) + "\n")
        self.bridge.stdin.flush()
        line = self.bridge.stdout.readline()
        if not line:
            raise BridgeError("Firefox's bridge ended")
        answer = json.loads(line)
        if "error" in answer:
            raise BridgeError(answer["error"])
        return self.received(answer["value"])

    def received(self, value):
        if isinstance(value, dict) and set(value) == {"element"}:
            return Element(self, value)
        if isinstance(value, list):
            return [self.received(item) for item in value]
        return value

    def sent(self, value):
        return value.reference if isinstance(value, Element) else value

    # --- the part of Selenium's WebDriver the tests use ---
    def get(self, url):
        self.request("get", url=url)

    def back(self):
        self.request("back")

    def refresh(self):
        self.request("refresh")

    def execute_script(self, script, *args):
        return self.request("execute", script=script, args=[self.sent(a) for a in args])

    def find_elements(self, by, value):
        selector = {
            By.ID: lambda v: "#" + v,
            By.CSS_SELECTOR: lambda v: v,
            By.XPATH: lambda v: "xpath/" + v,
        }[by](value)
        return self.request("find", selector=selector)

    def find_element(self, by, value):
        found = self.find_elements(by, value)
        if not found:
            raise BridgeError(f"no element {value}")
        return found[0]

    def set_window_size(self, width, height):
        self.set_viewport(width, height)

    def set_viewport(self, width, height, scale=1):
        """The page's viewport in CSS px, at `scale` device pixels each: what the page sees of
        a window's size and the browser's zoom."""
        self.request("viewport", width=width, height=height, scale=scale)

    def set_script_timeout(self, seconds):
        pass

    def save_screenshot(self, path):
        self.request("screenshot", path=path)

    def quit(self):
        self.bridge.stdin.write(json.dumps({"op": "quit"}) + "\n")
        self.bridge.stdin.close()
        self.bridge.wait(timeout=30)

    # --- what Selenium does through its action chains ---
    def send_keys(self, keys, modifiers=()):
        """Presses `keys` (Selenium's key characters or text) with `modifiers` held down."""
        names = []
        for key in keys:
            if key in KEY_NAMES:
                names.append(KEY_NAMES[key])
            else:
                names.extend(key)
        self.request("keys", keys=names, modifiers=[KEY_NAMES[m] for m in modifiers])

    def click_at(self, element, x, y, button="left"):
        self.request("clickAt", target=element.reference, x=x, y=y, button=button)
