#!/usr/bin/python3
"""axe-core (from npm, pinned by package-lock.json beside this file) checks the calculator's web
page with every rule on, the experimental ones and target-size included: at start, after a
result, with the notice, with the About box, with the window menu open and on the ended page,
on a desktop (1280 px, light and dark) and on phones (390 and 320 px); and the focus of every
focusable thing under forced colours and where more contrast is asked for.

Usage: accessibility_test.py PAGE_FOLDER"""
import json
import os
import sys

from local_browser import emulate_desktop, emulate_phone, url_of
from page import check, page_script, run_in_browser
from selenium.webdriver.common.keys import Keys

AXE = os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "node_modules", "axe-core", "axe.min.js"
)
RUN_EVERY_RULE = page_script("run_every_rule")
CONTRAST = page_script("contrast")
LEAST_NON_TEXT_CONTRAST = page_script("contrast", "least_non_text_contrast")
FORCED_COLOURS = page_script("contrast", "forced_colours")


def check_forced_colours(page, url, scheme):
    page.driver.execute_cdp_cmd(
        "Emulation.setEmulatedMedia",
        {
            "features": [
                {"name": "forced-colors", "value": "active"},
                {"name": "prefers-color-scheme", "value": scheme},
            ]
        },
    )
    page.open(url)
    found = page.script(FORCED_COLOURS)
    check(
        found["toggles"] >= 3,
        f"forced colours, {scheme}: the pressed toggle stands out from "
        f"the released one by {found['toggles']:.2f}:1",
    )
    check(
        found["boxesDiffer"], f"forced colours, {scheme}: read-only boxes look unlike editable ones"
    )
    check(found["focusRing"], f"forced colours, {scheme}: the focus ring shows")
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})


FOCUS_INDICATORS = page_script("contrast", "focus_indicators")


# Under forced colours and where more contrast is asked for, every focusable thing shows its
# focus: the boxes, lists, buttons and toggles, the title bar's icon and close button, the menu's
# items and the notice's OK; and where more contrast is asked for, borders stand out 4.5:1 and
# read-only boxes are dashed.
def check_focus_everywhere(page, url, mode, scheme):
    feature = (
        {"name": "forced-colors", "value": "active"}
        if mode == "forced colours"
        else {"name": "prefers-contrast", "value": "more"}
    )
    least = 3 if mode == "forced colours" else 4.5
    page.driver.execute_cdp_cmd(
        "Emulation.setEmulatedMedia",
        {"features": [feature, {"name": "prefers-color-scheme", "value": scheme}]},
    )
    page.open(url)
    page.keys(Keys.SHIFT)  # the keyboard in use: focus shows as it would after Tab
    found = page.script(
        FOCUS_INDICATORS, ".client > button, .client > input, " ".client > select, .titlebar button"
    )
    page.press("Shift+F10")
    found += page.script(FOCUS_INDICATORS, ".menu-item")
    page.press("Escape")
    page.keys(Keys.TAB, Keys.TAB, "x", Keys.ENTER)
    found += page.script(FOCUS_INDICATORS, ".notice button")
    page.press("Enter")
    print(f"RESULT {mode}, {scheme}: " + ", ".join(f"{n} {r:.2f}" for n, r in found))
    weakest = min(found, key=lambda item: item[1])
    check(
        weakest[1] >= least,
        f"{mode}, {scheme}: every focus shows at {least}:1 or more "
        f"(the least: {weakest[0]} {weakest[1]:.2f}:1)",
    )
    if mode != "forced colours":
        what, border = page.script(LEAST_NON_TEXT_CONTRAST)
        check(border >= 4.5, f"{mode}, {scheme}: borders stand out 4.5:1 ({what}, {border:.2f}:1)")
        check(
            page.script(
                "return getComputedStyle(document.querySelector('.edit[readonly]'))"
                ".borderTopStyle"
            )
            == "dashed",
            f"{mode}, {scheme}: read-only boxes are dashed",
        )
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})


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


def run(page, url, setting):
    page.open(url)
    what, least = page.script(LEAST_NON_TEXT_CONTRAST)
    check(
        least >= 3,
        f"{setting}: borders and the pressed toggle stand out at least 3:1 "
        f"(the least: {what}, {least:.2f}:1)",
    )
    for state in states(page):
        found = violations(page)
        check(
            not found,
            f"{setting}, {state}: axe finds "
            f"{json.dumps(found, indent=1) if found else 'no violation'}",
        )


def run_every_setting(page, server):
    url = url_of(server)
    driver = page.driver
    run(page, url, "1280 px, light")
    known = page.script(
        CONTRAST + "return [ratio('rgb(0, 0, 0)', 'rgb(255, 255, 255)'), "
        "ratio('rgb(255, 255, 255)', 'rgb(118, 118, 118)')]"
    )
    check(
        abs(known[0] - 21) < 0.01 and abs(known[1] - 4.54) < 0.01,
        f"the contrast ratio measures black on white 21:1 and #767676 under white 4.54:1 "
        f"({known[0]:.2f}, {known[1]:.2f})",
    )
    driver.execute_cdp_cmd(
        "Emulation.setEmulatedMedia",
        {"features": [{"name": "prefers-color-scheme", "value": "dark"}]},
    )
    run(page, url, "1280 px, dark")
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
    for scheme in ("light", "dark"):
        check_forced_colours(page, url, scheme)
        for mode in ("forced colours", "more contrast"):
            check_focus_everywhere(page, url, mode, scheme)
    for width in (390, 320):
        emulate_phone(driver, width)
        run(page, url, f"{width} px")
    emulate_desktop(driver)


def main():
    run_in_browser(
        sys.argv[1],
        run_every_setting,
        "axe finds no violation in any state, on a desktop and on phones",
        1280,
        900,
    )


main()
