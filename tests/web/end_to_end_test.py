#!/usr/bin/python3
"""Drives the calculator's web page in a real browser (Debian's Chromium, headless, through
chromedriver) as a person would: the page served from a static folder on 127.0.0.1, keys typed,
values read back, the notice, the About box through F1 and through the window menu, the end of
the program and its new start, and the page opened again offline from its service worker. It
also takes the README's picture on a desktop (phone_test.py takes those on a phone).

Usage: end_to_end_test.py PAGE_FOLDER [PICTURE_FOLDER]"""
import os
import sys

from local_browser import url_of
from page import CALC_FREQ, CENT, IDOK, TAB_ORDER, TONE, VAL, check, run_in_browser
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait


def main():
    folder, pictures = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else None)
    run_in_browser(folder, lambda page, server: run(page, url_of(server), server, pictures),
                   "the web page typed, analysed, noticed, showed About, ended, started again "
                   "and opened offline")


def run(page, url, server, pictures):
    driver = page.driver
    driver.get(url)
    page.wait_for("ready")
    errors = [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
    check(not errors, f"a cold load logs no error in the console {errors}")
    check(page.focused() == f"vardolin-1-{IDOK}", "the focus starts on the upper Calc")
    descriptions = [page.control(1, i).get_attribute("aria-description") for i in (IDOK, CALC_FREQ)]
    check(descriptions == ["Analyse the frequency in Val.",
                           "Put the frequency of the note into Val."],
          f"screen readers tell the two Calc buttons apart: {descriptions}")

    seen = []
    for _ in TAB_ORDER:
        seen.append(int(page.focused().rsplit("-", 1)[1]))
        page.keys(Keys.TAB)
        page.settle()
    check(seen == TAB_ORDER, f"Tab follows the template order: {seen}")
    check(page.focused() == f"vardolin-1-{IDOK}", "and wraps round to the upper Calc")

    page.keys(Keys.TAB, Keys.TAB)
    page.settle()
    check(driver.execute_script("const e = document.activeElement;"
                                "return e.selectionStart == 0 && e.selectionEnd == e.value.length"),
          "Tab into Val. selects its text")
    page.keys("445", Keys.ENTER)
    page.settle()
    check(page.value(TONE) == " A3", f"445, Enter: Tone shows ' A3' ({page.value(TONE)!r})")
    check(page.value(CENT) == "19.5622", f"and Cent 19.5622 ({page.value(CENT)!r})")
    if pictures:
        driver.save_screenshot(os.path.join(pictures, "screenshot-web-desktop.png"))

    page.control(1, VAL).click()
    page.keys(Keys.CONTROL, "a")
    page.keys("445Hz", Keys.ENTER)
    page.settle()
    notice = driver.find_elements(By.CSS_SELECTOR, "[role=alertdialog]")
    check(len(notice) == 1 and "Please enter a number." in notice[0].text,
          "445Hz gets the notice 'Please enter a number.'")
    page.keys(Keys.F1)
    page.settle()
    check(page.dialogs() == ["Vardolin"], "F1 in the notice opens nothing")
    page.keys(Keys.ENTER)
    page.settle()
    check(not driver.find_elements(By.CSS_SELECTOR, "[role=alertdialog]"), "Enter closes it")
    check(page.focused() == f"vardolin-1-{VAL}", "the focus is back on Val.")
    check(page.value(VAL) == "445", "which shows the value in force again")
    check(driver.execute_script("const e = document.activeElement;"
                                "return e.selectionStart == 0 && e.selectionEnd == e.value.length"),
          "selected, to be typed over")

    page.keys(Keys.F1)
    page.settle()
    check(page.dialogs() == ["Vardolin", "About Vardolin"], "F1 opens the About box")
    check(driver.execute_script("return document.querySelector('.dialog').inert"),
          "the calculator takes no input meanwhile")
    page.keys(Keys.F1)
    page.settle()
    check(page.dialogs() == ["Vardolin", "About Vardolin"], "F1 in the About box opens nothing")
    page.keys(Keys.ESCAPE)
    page.settle()
    check(page.dialogs() == ["Vardolin"], "Escape closes the About box")
    check(page.value(CENT) == "19.5622", "and the calculator's values are unchanged")

    page.control(1, IDOK).click()
    page.press("Shift+F10")
    page.settle()
    items = [e.text for e in driver.find_elements(By.CSS_SELECTOR, ".window-menu [role=menuitem]")
             if e.is_displayed()]
    check(items == ["Close", "About Vardolin..."], f"Shift+F10 opens the window menu: {items}")
    if items:
        driver.find_elements(By.CSS_SELECTOR, ".window-menu [role=menuitem]")[-1].click()
        page.settle()
    check(page.dialogs() == ["Vardolin", "About Vardolin"], "its About item opens the About box")
    page.keys(Keys.ESCAPE)
    page.settle()

    page.keys(Keys.ESCAPE)
    page.wait_for("ended")
    check(driver.find_element(By.ID, "ended").is_displayed(), "Escape ends the calculator")
    driver.find_element(By.ID, "restart").click()
    page.wait_for("ready")
    check(page.value(VAL) == "0" and page.value(TONE) == "", "Start again: fresh values")

    WebDriverWait(driver, 10).until(lambda d: d.execute_script(
        "return navigator.serviceWorker.controller !== null"))
    server.shutdown()
    server.server_close()
    driver.refresh()
    page.wait_for("ready")
    page.keys(Keys.TAB, Keys.TAB)
    page.settle()
    page.keys("445", Keys.ENTER)
    page.settle()
    check(page.value(CENT) == "19.5622", "offline, from the service worker, it still calculates")


main()
