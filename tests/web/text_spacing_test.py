#!/usr/bin/python3
"""The calculator's web page under WCAG 1.4.12's text spacing (line height 1.5, paragraphs 2 em
apart, letters 0.12 em and words 0.16 em), applied by the reader's own style after the page
has loaded, as the test's bookmarklet does: on a desktop and on a phone, in the calculator, the
About box and the notice, no caption, title or button text leaves its window or its button, and
none is covered by a control or another text.

Usage: text_spacing_test.py PAGE_FOLDER"""
import sys

from local_browser import emulate_desktop, emulate_phone, url_of
from page import VAL, check, page_script, run_in_browser
from selenium.webdriver.common.keys import Keys

SPACING = page_script("spacing")

PROBLEMS = page_script("problems")


def spaced(page, where):
    for state in ("the calculator", "the About box", "the notice"):
        if state == "the About box":
            page.press("F1")
        elif state == "the notice":
            page.press("Escape")
            page.control(1, VAL).click()
            page.keys(Keys.END, Keys.BACKSPACE * 8, "x", Keys.ENTER)
        problems = page.script(PROBLEMS)
        check(not problems, f"{where}, {state}: no text cut or covered ({problems})")
    page.press("Enter")


def run(page, server):
    url = url_of(server)
    if page.chromium:
        emulate_desktop(page.driver)
    page.driver.set_window_size(1280, 900)
    page.open(url)
    page.script(SPACING)
    page.settle()
    spaced(page, "on a desktop")
    if not page.chromium:
        print("phones are emulated in Chromium alone")
        return
    for width in (390, 320):
        emulate_phone(page.driver, width)
        page.open(url)
        page.script(SPACING)
        page.settle()
        spaced(page, f"on a phone {width} px wide")


def main():
    run_in_browser(sys.argv[1], run, "text spacing cuts and covers no text")


main()
