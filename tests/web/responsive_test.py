#!/usr/bin/python3
"""The calculator's web page as the page around it changes, in Chromium's emulation of screens,
zoom and touch (the only engine here that emulates them; in the others, the window resized
within what the browser allows):
- a desktop window narrowed from 1280 to 320 CSS px and widened again, with a calculation, the
  pressed toggle, a list's selection, the focus, the open About box and the open window menu
  (its focused item) kept across the change of layout;
- a phone turned from upright to landscape and back;
- phones opened in landscape;
- browser zoom 200, 300 and 400 %, set before the page loads and after.
The widest values the program writes fit their boxes whole. Everywhere: every target at least
44 × 44 CSS px with a finger and 24 with a mouse, the text at least 16 and 12 px, no scrolling
sideways, and the text never smaller in device pixels as the zoom grows. It prints, for each
case, the smallest target, the smallest text and whether the page scrolls (pytest -s shows
it)."""

import pytest
from conftest import needs_chromium
from local_browser import emulate_screen
from page import CENT, NOTE, TONE, VAL, YAMAHA, page_script
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

MEASURE = page_script("measure")

FINGER = {"target": 44, "text": 16}
MOUSE = {"target": 24, "text": 12}


def window(page, width, height):
    """Resizes the browser's window, in an engine that emulates no screens, and waits until the
    page has followed. (WebKit's MiniBrowser is never narrower than its toolbar, 447 px.)"""
    page.driver.set_window_size(width, height)
    sizes = []
    WebDriverWait(page.driver, 10).until(
        lambda d: sizes.append(d.execute_script("return innerWidth"))
        or sizes[-2:] == [sizes[-1]] * 2
    )
    page.settle()


def screen(page, width, height, scale=1, touch=False):
    """Makes the page see a screen of `width` × `height` CSS px at `scale` device pixels each,
    with a mouse or a touch screen; the page gets a resize event as from a real change."""
    if touch and not page.chromium:
        raise ValueError("touch is emulated in Chromium alone")
    if hasattr(page.driver, "set_viewport"):  # Firefox
        page.driver.set_viewport(width, height, scale)
        WebDriverWait(page.driver, 10).until(
            lambda d: d.execute_script("return innerWidth === arguments[0]", width)
        )
        page.settle()
        return
    if not page.chromium:
        window(page, width, height)
        return
    emulate_screen(page.driver, width, height, scale, touch)
    # The resize event comes a moment later; then the program rebuilds what changes layout.
    WebDriverWait(page.driver, 10).until(
        lambda d: d.execute_script(
            "return innerWidth === arguments[0] && innerHeight === arguments[1]", width, height
        )
    )
    page.script("return new Promise(resolve => requestAnimationFrame(() => resolve()))")
    page.settle()


def measure(page, case, least, scale=1):
    seen = page.script(MEASURE)
    print(
        f"RESULT {case}: smallest target {seen['target']:.1f} px, smallest text "
        f"{seen['text']:.1f} px ({seen['text'] * scale:.1f} device px), "
        f"{'scrolls down' if seen['down'] else 'no scrolling'}, {'/'.join(seen['layouts'])}"
    )
    assert (
        seen["target"] >= least["target"] - 0.05
    ), f"{case}: every target at least {least['target']} px ({seen['target']:.1f})"
    assert (
        seen["text"] >= least["text"] - 0.05
    ), f"{case}: the text at least {least['text']} px ({seen['text']:.1f})"
    assert not seen["sideways"], f"{case}: the page does not scroll sideways"
    return seen


def state(page):
    """What the user sees of the calculator's state: values, toggle, list, focus."""
    return page.script(
        "const v = id => document.getElementById('vardolin-1-' + id);"
        "return [v(arguments[0]).value, v(arguments[1]).value, v(arguments[2]).value,"
        " v(arguments[3]).getAttribute('aria-pressed'), v(arguments[4]).selectedIndex,"
        " document.activeElement.id]",
        VAL,
        TONE,
        CENT,
        YAMAHA,
        NOTE,
    )


def opened_with_a_state(page):
    """The page at 1280 × 900 with 445 analysed, a note chosen and the focus in Val.; answers
    what the user sees of that state."""
    page.show_as_desktop()
    screen(page, 1280, 900)
    page.open(page.url)
    page.control(1, VAL).click()
    page.keys(Keys.END, Keys.BACKSPACE * 8, "445", Keys.ENTER)
    page.script(
        "const n = document.getElementById('vardolin-1-' + arguments[0]);"
        "n.selectedIndex = 3; n.dispatchEvent(new Event('change'))",
        NOTE,
    )
    page.control(1, VAL).click()
    return state(page)


def test_a_desktop_window_narrowed_keeps_the_calculators_state(page):
    before = opened_with_a_state(page)
    measure(page, "desktop 1280 × 900", MOUSE)
    for width in (900, 600, 480, 360, 320):
        screen(page, width, 900)
        width = page.script("return innerWidth")
        measure(page, f"desktop narrowed to {width} × 900", MOUSE)
        assert state(page) == before, f"at {width} px"


def narrow_enough(page):
    """Skips the test where the browser's window cannot be narrowed to 320 px."""
    screen(page, 320, 900)
    if page.script("return innerWidth") > 320:
        pytest.skip(f"{page.engine}'s window is never narrower than its toolbar")


def test_the_layout_switches_both_ways_with_the_state_and_the_about_box_kept(page):
    before = opened_with_a_state(page)
    narrow_enough(page)
    assert measure(page, "desktop narrowed to 320 × 900", MOUSE)["layouts"] == ["narrow"]
    screen(page, 1280, 900)
    seen = measure(page, "widened again to 1280 × 900", MOUSE)
    assert seen["layouts"] == ["desktop"] and state(page) == before

    page.press("F1")
    screen(page, 360, 900)
    seen = measure(page, "the About box at 360 × 900", MOUSE)
    assert page.dialogs() == ["Vardolin", "About Vardolin"] and seen["layouts"] == ["narrow"] * 2
    assert page.script("return document.activeElement.closest('.overlay') !== null")
    page.press("Escape")
    assert state(page) == before, "closed, the focus is back in Val."


def test_the_window_menu_stays_open_on_its_item_across_the_switch(page):
    """Both ways: its item keeps the focus, and Enter chooses it."""
    opened_with_a_state(page)
    narrow_enough(page)
    screen(page, 1280, 900)
    page.press("Shift+Tab")
    page.press("Shift+Tab")
    for width in (360, 1280):
        page.press("Shift+F10")
        page.keys(Keys.ARROW_DOWN)
        screen(page, width, 900)
        focused = page.script("return document.activeElement.textContent")
        assert page.menu_items() and focused == "About Vardolin...", f"at {width} px"
        page.press("Enter")
        assert page.dialogs() == ["Vardolin", "About Vardolin"], f"at {width} px"
        page.press("Escape")


def assert_every_value_fits(page, case):
    boxes = page.script(
        "return [...document.querySelectorAll('.client > .edit')].map(e => [e.value,"
        " e.scrollWidth, e.clientWidth, parseFloat(getComputedStyle(e).fontSize)])"
    )
    print(f"RESULT {case}: " + ", ".join(f"{v} {w}/{c} px at {f:.1f} px" for v, w, c, f in boxes))
    assert all(
        w <= c + 1 and f >= MOUSE["text"] - 0.05 for _, w, c, f in boxes
    ), f"{case}: every value fits its box at 12 px or more"


def test_the_widest_values_fit_their_boxes(page):
    """The widest values the program writes fit their boxes whole on the desktop layout, with
    their text no smaller than the least, also when the window is rebuilt with them."""
    page.show_as_desktop()
    screen(page, 1280, 900)
    page.open(page.url)
    for typed in ("-1234567", "0.000123456"):
        page.control(1, VAL).click()
        page.keys(Keys.END, Keys.BACKSPACE * 12, typed, Keys.ENTER)
        assert_every_value_fits(page, f"{typed} typed")
    screen(page, 320, 900)
    if page.script("return innerWidth") <= 320:
        screen(page, 1280, 900)
        assert_every_value_fits(page, "0.000123456 through the narrow layout and back")


def test_a_phone_turned_keeps_the_calculators_state(page):
    needs_chromium(page, "emulate a phone")
    screen(page, 390, 844, 3, touch=True)
    page.open(page.url)
    page.control(1, VAL).click()
    page.keys(Keys.END, Keys.BACKSPACE * 8, "445", Keys.ENTER)
    before = state(page)
    measure(page, "phone upright 390 × 844", FINGER, 3)
    for case, width, height in (
        ("turned to landscape 844 × 390", 844, 390),
        ("turned upright again 390 × 844", 390, 844),
        ("turned to landscape again 844 × 390", 844, 390),
    ):
        screen(page, width, height, 3, touch=True)
        measure(page, f"phone {case}", FINGER, 3)
        assert state(page) == before, f"{case}, the calculator kept its state ({state(page)})"


def test_phones_opened_in_landscape(page):
    needs_chromium(page, "emulate a phone")
    for width, height in ((844, 390), (667, 375), (932, 430), (568, 320)):
        screen(page, width, height, 3, touch=True)
        page.open(page.url)
        measure(page, f"phone opened in landscape {width} × {height}", FINGER, 3)


@pytest.mark.parametrize("when", ("before loading", "after loading"))
def test_zoom_keeps_targets_and_text(page, when):
    """Browser zoom on a 1280 × 800 window: the page sees the window's size divided by the zoom,
    at as many device pixels to the CSS pixel."""
    if page.engine == "webkit":
        pytest.skip("WebKit's driver sets no zoom")
    page.show_as_desktop()
    screen(page, 1280, 800)
    if when == "after loading":
        page.open(page.url)
    device_text = 0
    for zoom in (1, 2, 3, 4):
        screen(page, 1280 // zoom, 800 // zoom, zoom)
        if when == "before loading":
            page.open(page.url)
        seen = measure(page, f"zoom {zoom * 100} % set {when}", MOUSE, zoom)
        assert (
            seen["text"] * zoom >= device_text - 0.05
        ), f"zoom {zoom * 100} % {when}: the text does not shrink in device pixels"
        device_text = seen["text"] * zoom
