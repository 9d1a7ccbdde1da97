#!/usr/bin/python3
"""axe-core (from npm, pinned by package-lock.json beside this file) checks the calculator's web
page with every rule on, the experimental ones and target-size included: at start, after a
result, with the notice, with the About box, with the window menu open and on the ended page,
on a desktop (1280 px, light and dark) and on phones (390 and 320 px); and the focus of every
focusable thing under forced colours and where more contrast is asked for. Chromium alone
emulates these media features and phones."""

import contextlib
import json
import os

import pytest
from conftest import needs_chromium
from local_browser import emulate_desktop, emulate_phone
from page import page_script
from selenium.webdriver.common.keys import Keys

AXE = os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "node_modules", "axe-core", "axe.min.js"
)
RUN_EVERY_RULE = page_script("run_every_rule")
CONTRAST = page_script("contrast")
LEAST_NON_TEXT_CONTRAST = page_script("contrast", "least_non_text_contrast")
FORCED_COLOURS = page_script("contrast", "forced_colours")
SCHEMES = ("light", "dark")


@pytest.fixture(autouse=True)
def desktop_in_chromium(page):
    needs_chromium(page, "emulate media features and phones")
    page.driver.set_window_size(1280, 900)


@contextlib.contextmanager
def emulated(page, *features):
    """The page's media features set so meanwhile, such as ("prefers-color-scheme", "dark")."""
    page.driver.execute_cdp_cmd(
        "Emulation.setEmulatedMedia",
        {"features": [{"name": name, "value": value} for name, value in features]},
    )
    try:
        yield
    finally:
        page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})


FOCUS_INDICATORS = page_script("contrast", "focus_indicators")


def test_the_contrast_ratio_measures_known_pairs(page):
    page.open(page.url)
    known = page.script(
        CONTRAST + "return [ratio('rgb(0, 0, 0)', 'rgb(255, 255, 255)'), "
        "ratio('rgb(255, 255, 255)', 'rgb(118, 118, 118)')]"
    )
    assert known == [pytest.approx(21, abs=0.01), pytest.approx(4.54, abs=0.01)]


@pytest.mark.parametrize("scheme", SCHEMES)
def test_under_forced_colours_toggles_boxes_and_the_focus_stand_out(page, scheme):
    with emulated(page, ("forced-colors", "active"), ("prefers-color-scheme", scheme)):
        page.open(page.url)
        found = page.script(FORCED_COLOURS)
    assert found["toggles"] >= 3, "the pressed toggle against the released one"
    assert found["boxesDiffer"], "read-only boxes look unlike editable ones"
    assert found["focusRing"]


@pytest.mark.parametrize("scheme", SCHEMES)
@pytest.mark.parametrize(
    "mode, feature, least",
    [
        ("forced colours", ("forced-colors", "active"), 3),
        ("more contrast", ("prefers-contrast", "more"), 4.5),
    ],
)
def test_every_focus_shows(page, mode, feature, least, scheme):
    """Every focusable thing shows its focus: the boxes, lists, buttons and toggles, the title
    bar's icon and close button, the menu's items and the notice's OK; and where more contrast is
    asked for, borders stand out 4.5:1 and read-only boxes are dashed."""
    with emulated(page, feature, ("prefers-color-scheme", scheme)):
        page.open(page.url)
        page.keys(Keys.SHIFT)  # the keyboard in use: focus shows as it would after Tab
        found = page.script(
            FOCUS_INDICATORS,
            ".client > button, .client > input, .client > select, .titlebar button",
        )
        page.press("Shift+F10")
        found += page.script(FOCUS_INDICATORS, ".menu-item")
        page.press("Escape")
        page.keys(Keys.TAB, Keys.TAB, "x", Keys.ENTER)
        found += page.script(FOCUS_INDICATORS, ".notice button")
        page.press("Enter")
        print(f"RESULT {mode}, {scheme}: " + ", ".join(f"{n} {r:.2f}" for n, r in found))
        assert min(ratio for _, ratio in found) >= least
        if mode == "more contrast":
            what, border = page.script(LEAST_NON_TEXT_CONTRAST)
            assert border >= 4.5, f"borders stand out 4.5:1 ({what}, {border:.2f}:1)"
            style = page.script(
                "return getComputedStyle(document.querySelector('.edit[readonly]')).borderTopStyle"
            )
            assert style == "dashed", "read-only boxes are dashed"


def violations(page):
    page.script(open(AXE).read())
    return page.driver.execute_async_script(RUN_EVERY_RULE)


def states(page):
    """Brings the page into each state to check, in turn; yields the state's name."""
    yield "at start"
    page.keys(Keys.TAB, Keys.TAB, "445", Keys.ENTER)
    yield "after a result"
    page.keys(Keys.SHIFT, Keys.TAB, Keys.SHIFT, Keys.TAB, "x", Keys.ENTER)
    yield "with the notice"
    page.press("Enter")
    page.press("F1")
    yield "with the About box"
    page.press("Escape")
    page.press("Shift+F10")
    yield "with the window menu"
    page.press("Escape")
    page.press("Escape")
    page.wait_for("ended")
    yield "on the ended page"


@pytest.mark.parametrize("setting", ["1280 px, light", "1280 px, dark", "390 px", "320 px"])
def test_axe_finds_no_violation_and_controls_stand_out(page, setting):
    width, _, scheme = setting.partition(" px")
    scheme = scheme.lstrip(", ") or "light"
    if width == "1280":
        emulate_desktop(page.driver)
    else:
        emulate_phone(page.driver, int(width))
    with emulated(page, ("prefers-color-scheme", scheme)):
        page.open(page.url)
        what, least = page.script(LEAST_NON_TEXT_CONTRAST)
        assert least >= 3, f"borders and the pressed toggle ({what}, {least:.2f}:1)"
        found = {state: violations(page) for state in states(page)}
    emulate_desktop(page.driver)
    assert not {state: problems for state, problems in found.items() if problems}, json.dumps(
        found, indent=1
    )
