"""The user scenario that the desktop tests run too (tests/support/user_scenario.txt), in the
browser: the scenario's pytest tests (tests/support/user_scenario.py) on a driver that presses
keys through WebDriver and reads the windows and boxes from the page. The picture step takes the
README's picture on a desktop when --pictures names a folder."""

import os

import pytest
import user_scenario
from selenium.webdriver.common.keys import Keys


# The scenario's tests, collected here with the browser's driver.
test_step = user_scenario.test_step
scenario_progress = user_scenario.scenario_progress


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


@pytest.fixture(scope="module")
def scenario_driver(page, pictures):
    page.open(page.url)
    return ScenarioDriver(
        page, os.path.join(pictures, "screenshot-web-desktop.png") if pictures else None
    )
