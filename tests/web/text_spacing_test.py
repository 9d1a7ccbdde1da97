"""The calculator's web page under WCAG 1.4.12's text spacing (line height 1.5, paragraphs 2 em
apart, letters 0.12 em and words 0.16 em), applied by the reader's own style after the page
has loaded, as the test's bookmarklet does: on a desktop and on a phone, in the calculator, the
About box and the notice, no caption, title or button text leaves its window or its button, and
none is covered by a control or another text."""

import pytest
from conftest import needs_chromium
from local_browser import emulate_desktop, emulate_phone
from page import VAL, page_script
from selenium.webdriver.common.keys import Keys

SPACING = page_script("spacing")
PROBLEMS = page_script("problems")
STATES = ("the calculator", "the About box", "the notice")


def problems_when_spaced(page):
    """Opens the page, spaces its text, and yields each state with the texts cut or covered."""
    page.open(page.url)
    page.script(SPACING)
    page.settle()
    for state in STATES:
        if state == "the About box":
            page.press("F1")
        elif state == "the notice":
            page.press("Escape")
            page.control(1, VAL).click()
            page.keys(Keys.END, Keys.BACKSPACE * 8, "x", Keys.ENTER)
        yield state, page.script(PROBLEMS)
    page.press("Enter")


def test_on_a_desktop_no_text_is_cut_or_covered(page):
    page.show_as_desktop()
    page.driver.set_window_size(1280, 900)
    found = {state: problems for state, problems in problems_when_spaced(page) if problems}
    assert not found


@pytest.mark.parametrize("width", (390, 320))
def test_on_a_phone_no_text_is_cut_or_covered(page, width):
    needs_chromium(page, "emulate a phone")
    emulate_phone(page.driver, width)
    found = {state: problems for state, problems in problems_when_spaced(page) if problems}
    emulate_desktop(page.driver)
    assert not found
