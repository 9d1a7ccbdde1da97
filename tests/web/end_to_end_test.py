"""Drives the calculator's web page in a real browser as a person would (see conftest.py for the
engine): the start and the tab order, the end of the program and its new start, the notice and
the About box over the calculator, Back from another page of the site, and the page opened again
offline from its service worker. (The user scenario runs in user_scenario_test.py.)"""

from conftest import needs_chromium, page_in_new_browser
from page import CALC_FREQ, CENT, IDOK, REF, TAB_ORDER, TONE, VAL
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait


def test_a_cold_load_logs_no_error(page):
    needs_chromium(page, "read the browser's console")
    page.open(page.url)
    log = page.driver.get_log("browser")
    errors = [entry["message"] for entry in log if entry["level"] == "SEVERE"]
    assert not errors


def test_the_focus_starts_on_the_upper_calc_and_screen_readers_tell_the_calcs_apart(page):
    page.open(page.url)
    assert page.focused() == f"vardolin-1-{IDOK}"
    descriptions = [page.control(1, i).get_attribute("aria-description") for i in (IDOK, CALC_FREQ)]
    assert descriptions == [
        "Analyse the frequency in Val.",
        "Put the frequency of the note into Val.",
    ]


def test_tab_follows_the_template_order_and_wraps(page):
    page.open(page.url)
    seen = []
    for _ in TAB_ORDER:
        seen.append(page.focused_control())
        page.keys(Keys.TAB)
    assert seen == TAB_ORDER
    assert page.focused_control() == IDOK


def test_the_ended_page_says_so_and_starts_again_afresh(page):
    page.open(page.url)
    page.keys(Keys.TAB, Keys.TAB, "445", Keys.ENTER)
    page.press("Escape")
    page.wait_for("ended")
    assert page.driver.find_element(By.ID, "ended").is_displayed()
    page.driver.find_element(By.ID, "restart").click()
    page.wait_for("ready")
    assert page.value(VAL) == "0" and page.value(TONE) == ""


def test_the_notice_takes_a_message_boxs_keys_and_f1_opens_nothing_over_it(page):
    page.open(page.url)
    page.keys(Keys.TAB, Keys.TAB)
    page.keys("445Hz", Keys.ENTER)
    assert "Please enter a number." in (page.notice() or "")
    page.keys(Keys.F1)
    assert page.dialogs() == ["Vardolin"]
    # Those that press its OK or cancel it close it.
    for key, closes in (("Tab", False), ("Space", True), ("Escape", True), ("Enter", True)):
        if page.notice() is None:
            page.keys("445Hz", Keys.ENTER)
        page.press(key)
        assert (page.notice() is None) == closes, f"{key} {'closes' if closes else 'leaves'} it"


def test_the_calculator_takes_no_input_below_the_about_box(page):
    page.open(page.url)
    page.keys(Keys.F1)
    assert page.dialogs() == ["Vardolin", "About Vardolin"]
    assert page.script("return document.querySelector('.dialog').inert")
    page.keys(Keys.ESCAPE)


def test_back_from_another_page_shows_the_values_or_a_fresh_calculator(page):
    """445 and Enter, another page of the site, Back: the boxes show what they showed, or a
    fresh calculator where the browser loads the page again, and Enter calculates. Safari's
    engine empties boxes that say autocomplete="off" (the boxes do, for phones) when it brings a
    page back from its back-forward cache; in Chromium, which keeps them, that is played.
    Firefox's driver navigates no more after such a Back: the test comes last of those that
    share the browser."""
    page.open(page.url)
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
        page.driver.get(page.url + "elsewhere.html")
        page.driver.back()
        page.wait_for("ready")
        page.control(1, VAL).click()
    shown = [page.value(box) for box in (REF, VAL, TONE, CENT)]
    assert shown in (["440", "445", " A3", "19.5622"], ["440", "0", "", "0"])
    restored = shown[1] == "445"
    print(f"back: {'the values kept' if restored else 'a fresh calculator'}")
    page.keys(Keys.ENTER)
    assert page.notice() is None
    assert page.value(CENT) == ("19.5622" if restored else "-100000")


def test_offline_from_the_service_worker_it_still_calculates(page, request):
    """In a browser and on a server of their own, the server stopped once the service worker
    controls the page."""
    with page_in_new_browser(request.config.getoption("page"), page.engine) as offline:
        offline.open(offline.url)
        WebDriverWait(offline.driver, 10).until(
            lambda d: d.execute_script("return navigator.serviceWorker.controller !== null")
        )
        offline.server.shutdown()
        offline.server.server_close()
        offline.driver.refresh()
        offline.wait_for("ready")
        offline.keys(Keys.TAB, Keys.TAB, "445", Keys.ENTER)
        assert offline.value(CENT) == "19.5622"
