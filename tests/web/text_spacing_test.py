#!/usr/bin/python3
"""The calculator's web page under WCAG 1.4.12's text spacing (line height 1.5, paragraphs 2 em
apart, letters 0.12 em and words 0.16 em), applied by the reader's own style after the page
has loaded, as the test's bookmarklet does: on a desktop and on a phone, in the calculator, the
About box and the notice, no caption, title or button text leaves its window or its button, and
none is covered by a control or another text.

Usage: text_spacing_test.py PAGE_FOLDER"""
import sys

from local_browser import emulate_desktop, emulate_phone, url_of
from page import VAL, check, run_in_browser
from selenium.webdriver.common.keys import Keys

SPACING = """
const style = document.createElement('style');
style.textContent = '* { line-height: 1.5 !important; letter-spacing: 0.12em !important;' +
                    ' word-spacing: 0.16em !important; }' +
                    ' p { margin-bottom: 2em !important; }';
document.head.appendChild(style);
return new Promise(resolve => requestAnimationFrame(() => requestAnimationFrame(resolve)));
"""

# Every text of the open windows and the notice that is cut or covered, as sentences.
PROBLEMS = """
const problems = [];
const rect = e => e.getBoundingClientRect();
const textRect = e => { const r = document.createRange(); r.selectNodeContents(e);
                        return r.getBoundingClientRect(); };
const inside = (r, box) => r.left >= box.left - 0.5 && r.right <= box.right + 0.5 &&
                           r.top >= box.top - 0.5 && r.bottom <= box.bottom + 0.5;
const overlap = (a, b) => Math.min(a.right, b.right) - Math.max(a.left, b.left) > 0.5 &&
                          Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > 0.5;
const shown = e => getComputedStyle(e).visibility !== 'hidden' && e.textContent.trim() !== '';
for (const dialog of document.querySelectorAll('.dialog[role=dialog], .notice')) {
  const box = rect(dialog);
  const texts = [...dialog.querySelectorAll('.title, .client > .label, .client > button, p, ' +
                                            '.notice > button')].filter(shown);
  const controls = [...dialog.querySelectorAll('.client > input, .client > select, ' +
                                               '.client > button, .client > canvas, ' +
                                               '.notice > button')];
  for (const text of texts) {
    const r = textRect(text);
    const name = JSON.stringify(text.textContent.trim());
    if (!inside(r, box)) problems.push(`${name} leaves its window`);
    if (text.tagName === 'BUTTON' && !inside(r, rect(text))) problems.push(`${name} leaves its button`);
    for (const other of controls) {
      if (other !== text && overlap(r, rect(other))) problems.push(`${name} is covered by a control`);
    }
    for (const other of texts) {
      if (other !== text && !other.contains(text) && !text.contains(other) &&
          overlap(r, textRect(other))) problems.push(`${name} overlaps ${JSON.stringify(other.textContent.trim())}`);
    }
  }
}
return problems;
"""


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
