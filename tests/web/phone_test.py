#!/usr/bin/python3
"""The calculator's web page on phones (Chromium's phone emulation: a mobile viewport, three
device pixels to the CSS pixel, a touch screen), used by touch: the narrow layout with every
target at least 44 × 44 CSS px and text of at least 16 px at 320, 390 and 430 px; each box inside
the screen; a tap into Val., typing, a tap on Calc; the About box through the title bar's icon
and through a long press on the window, and closed by a tap on OK. At 1280 px the desktop
layout stays. It also takes the README's pictures of the phone layout (--pictures)."""

import os
import time

import pytest
from conftest import needs_chromium
from local_browser import emulate_phone
from page import CENT, IDOK, TONE, VAL
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

TARGETS = ".dialog button, .dialog input, .dialog select"


def smallest_target(page):
    return page.script(
        f"return Math.min(...[...document.querySelectorAll('{TARGETS}')]"
        ".filter(e => e.offsetParent !== null)"
        ".map(e => {const r = e.getBoundingClientRect(); return Math.min(r.width, r.height)}))"
    )


def bounds(page, selector):
    return page.script(
        f"const r = document.querySelector('{selector}').getBoundingClientRect();"
        "return [r.left, r.top, r.right, r.bottom].map(Math.round)"
    )


def inside_screen(page, selector):
    left, top, right, bottom = bounds(page, selector)
    width, height = page.script("return [innerWidth, innerHeight]")
    return left >= 0 and top >= 0 and right <= width and bottom <= height


def touch(page, element, hold=0.0, corner=False):
    """A finger on the middle of `element` (or near its top left corner), lifted after `hold`
    seconds; waits for the click that a short tap makes."""
    x, y = page.script(
        "const r = arguments[0].getBoundingClientRect();"
        "window.vardolinTapped = false;"
        "document.addEventListener('click', () => { window.vardolinTapped = true },"
        "                          { once: true, capture: true });"
        "return arguments[1] ? [r.left + 4, r.top + 4]"
        "                    : [r.left + r.width / 2, r.top + r.height / 2]",
        element,
        corner,
    )
    page.driver.execute_cdp_cmd(
        "Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]}
    )
    time.sleep(hold)
    page.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
    if not hold:
        WebDriverWait(page.driver, 5).until(
            lambda d: d.execute_script("return window.vardolinTapped")
        )
    page.settle()


def about_by_touch(page, opener, hold, how):
    touch(page, opener, hold, corner=hold > 0)
    items = page.driver.find_elements(By.CSS_SELECTOR, ".window-menu:not([hidden]) [role=menuitem]")
    assert [item.text for item in items] == [
        "Close",
        "About Vardolin...",
    ], f"{how} opens the window menu ({[item.text for item in items]})"
    if items:
        touch(page, items[-1])
    assert page.dialogs() == ["Vardolin", "About Vardolin"], "a tap on About Vardolin... opens it"
    assert inside_screen(
        page, ".overlay .dialog"
    ), f"the About box is inside the screen: {bounds(page, '.overlay .dialog')}"
    ok = page.driver.find_elements(By.CSS_SELECTOR, ".overlay .dialog .button.default")
    if ok:
        touch(page, ok[0])
    assert page.dialogs() == ["Vardolin"], "a tap on OK closes it"


@pytest.mark.parametrize("width", (320, 390, 430))
def test_the_narrow_layout_by_touch(page, pictures, width):
    needs_chromium(page, "emulate a phone")
    emulate_phone(page.driver, width)
    page.open(page.url)
    assert page.script(
        "return document.querySelector('.dialog').classList.contains('narrow')"
    ), f"at {width} px the calculator takes its narrow layout"
    smallest = smallest_target(page)
    assert smallest >= 44, f"every target is at least 44 px at {width} px ({smallest:.1f})"
    text = page.script(
        "return parseFloat(getComputedStyle(document.querySelector('.edit'))" ".fontSize)"
    )
    assert (
        text >= 16
    ), f"and the boxes' text at least 16 px, so that phones do not zoom ({text:.1f})"
    assert inside_screen(page, ".dialog"), (
        f"the calculator is inside the screen: " f"{bounds(page, '.dialog')}"
    )
    attributes = page.script(
        "const e = arguments[0]; return ['autocorrect', 'autocapitalize', "
        "'spellcheck'].map(a => e.getAttribute(a))",
        page.control(1, VAL),
    )
    assert attributes == [
        "off",
        "off",
        "false",
    ], f"Val. has autocorrect, automatic capitals and spell checking off ({attributes})"

    touch(page, page.control(1, VAL))
    assert page.focused_control() == VAL, "a tap puts the focus into Val."
    page.keys(Keys.END, Keys.BACKSPACE * 8, "445")
    touch(page, page.control(1, IDOK))
    assert (
        page.value(TONE) == " A3" and page.value(CENT) == "19.5622"
    ), f"typing 445 and a tap on Calc analyse it ({page.value(TONE)!r}, {page.value(CENT)!r})"
    if pictures and width == 390:
        page.driver.save_screenshot(os.path.join(pictures, "screenshot-web-phone.png"))

    icon = page.driver.find_element(By.CSS_SELECTOR, ".titlebar .window-icon")
    touch(page, icon)
    touch(page, icon)
    assert not page.menu_items(), "a second tap on the title bar's icon closes its menu"
    about_by_touch(page, icon, 0, "a tap on the title bar's icon")
    about_by_touch(
        page,
        page.driver.find_element(By.CSS_SELECTOR, ".client"),
        0.8,
        "a long press on the window's background",
    )
    if pictures and width == 390:
        page.press("F1")
        page.driver.save_screenshot(os.path.join(pictures, "screenshot-web-phone-about.png"))
        page.press("Escape")
    print(f"at {width} px: the smallest target {smallest:.1f} px")


def test_the_desktop_layout_stays_at_1280_px(page):
    page.show_as_desktop()
    page.driver.set_window_size(1280, 900)
    page.open(page.url)
    assert not page.script(
        "return document.querySelector('.dialog').classList.contains('narrow')"
    ), "at 1280 px the calculator keeps its desktop layout"
    smallest = smallest_target(page)
    assert smallest >= 24, f"where every target is at least 24 px ({smallest:.1f})"
    print(f"at 1280 px: the smallest target {smallest:.1f} px")
