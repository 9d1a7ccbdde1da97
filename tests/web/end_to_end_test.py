#!/usr/bin/python3
"""Drives the calculator's web page in a real browser (Chromium, or the engine that
VARDOLIN_BROWSER names) as a person would: the page served from a static folder on 127.0.0.1,
the start, the user scenario that the desktop tests run too (tests/support/user_scenario.txt),
the end of the program and its new start, the notice and the About box over the calculator,
Back from another page of the site, and the page opened again offline from its service worker.
It also takes the README's picture on a desktop (phone_test.py takes those on a phone).

Usage: end_to_end_test.py PAGE_FOLDER [PICTURE_FOLDER]"""
import os
import sys

from local_browser import url_of
from page import (
    CALC_FREQ,
    CENT,
    IDOK,
    REF,
    TAB_ORDER,
    TONE,
    VAL,
    check,
    run_in_browser,
    run_user_scenario,
)
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait


def main():
    folder, pictures = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else None)
    run_in_browser(
        folder,
        lambda page, server: run(page, url_of(server), server, pictures),
        "the web page typed, analysed, noticed, showed About, ended, started again "
        "and opened offline",
    )


def run(page, url, server, pictures):
    driver = page.driver
    driver.get(url)
    page.wait_for("ready")
    if page.chromium:  # the other engines' drivers give no console log
        errors = [
            entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"
        ]
        check(not errors, f"a cold load logs no error in the console {errors}")
    check(page.focused() == f"vardolin-1-{IDOK}", "the focus starts on the upper Calc")
    descriptions = [page.control(1, i).get_attribute("aria-description") for i in (IDOK, CALC_FREQ)]
    check(
        descriptions
        == ["Analyse the frequency in Val.", "Put the frequency of the note into Val."],
        f"screen readers tell the two Calc buttons apart: {descriptions}",
    )

    seen = []
    for _ in TAB_ORDER:
        seen.append(int(page.focused().rsplit("-", 1)[1]))
        page.keys(Keys.TAB)
        page.settle()
    check(seen == TAB_ORDER, f"Tab follows the template order: {seen}")
    check(page.focused() == f"vardolin-1-{IDOK}", "and wraps round to the upper Calc")

    run_user_scenario(
        page, os.path.join(pictures, "screenshot-web-desktop.png") if pictures else None
    )
    check(driver.find_element(By.ID, "ended").is_displayed(), "the page says the calculator ended")
    driver.find_element(By.ID, "restart").click()
    page.wait_for("ready")
    check(page.value(VAL) == "0" and page.value(TONE) == "", "Start again: fresh values")

    # What the page adds to the scenario: F1 over the notice, and the calculator inert below the
    # About box.
    page.keys(Keys.TAB, Keys.TAB)
    page.keys("445Hz", Keys.ENTER)
    check("Please enter a number." in (page.notice() or ""), "445Hz gets the notice")
    page.keys(Keys.F1)
    check(page.dialogs() == ["Vardolin"], "F1 in the notice opens nothing")
    # The notice takes a message box's keys: those that press its OK or cancel it close it.
    for key, closes in (("Tab", False), ("Space", True), ("Escape", True), ("Enter", True)):
        if page.notice() is None:
            page.keys("445Hz", Keys.ENTER)
        page.press(key)
        check(
            (page.notice() is None) == closes,
            f"{key} {'closes' if closes else 'leaves'} the notice",
        )
    page.keys(Keys.F1)
    check(page.dialogs() == ["Vardolin", "About Vardolin"], "F1 opens the About box")
    check(
        driver.execute_script("return document.querySelector('.dialog').inert"),
        "the calculator takes no input meanwhile",
    )
    page.keys(Keys.ESCAPE)

    back_and_forth(page, url)

    WebDriverWait(driver, 10).until(
        lambda d: d.execute_script("return navigator.serviceWorker.controller !== null")
    )
    server.shutdown()
    server.server_close()
    driver.refresh()
    page.wait_for("ready")
    page.keys(Keys.TAB, Keys.TAB)
    page.settle()
    page.keys("445", Keys.ENTER)
    page.settle()
    check(page.value(CENT) == "19.5622", "offline, from the service worker, it still calculates")


def back_and_forth(page, url):
    """445 and Enter, another page of the site, Back: the boxes show what they showed, or a
    fresh calculator where the browser loads the page again, and Enter calculates. Safari's
    engine empties boxes that say autocomplete="off" (the boxes do, for phones) when it brings a
    page back from its back-forward cache; in Chromium, which keeps them, that is played."""
    page.control(1, VAL).clear()
    page.control(1, VAL).click()
    page.keys("445", Keys.ENTER)
    if page.chromium:
        page.script(
            "window.dispatchEvent(new PageTransitionEvent('pagehide', {persisted: true}));"
            "document.querySelectorAll('.dialog input').forEach((box) => { box.value = ''; });"
            "window.dispatchEvent(new PageTransitionEvent('pageshow', {persisted: true}));"
        )
    else:
        page.driver.get(url + "elsewhere.html")
        page.driver.back()
        page.wait_for("ready")
        page.control(1, VAL).click()
    shown = [page.value(box) for box in (REF, VAL, TONE, CENT)]
    check(
        shown in (["440", "445", " A3", "19.5622"], ["440", "0", "", "0"]),
        f"back on the page, the boxes show their values again or a fresh calculator: {shown}",
    )
    restored = shown[1] == "445"
    print(f"back: {'the values kept' if restored else 'a fresh calculator'}")
    page.keys(Keys.ENTER)
    check(
        page.notice() is None and page.value(CENT) == ("19.5622" if restored else "-100000"),
        f"and Enter calculates ({page.value(CENT)!r})",
    )


main()
