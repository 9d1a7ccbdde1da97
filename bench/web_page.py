#!/usr/bin/python3
"""Size, start-up and idle of the calculator's web page, served from 127.0.0.1, in each of the
three engines the tests run in (headless Chromium, headless Firefox ESR, WebKitGTK on a virtual
display):
- the program (vardolin.wasm and vardolin.js) after gzip: at most 100 KB;
- navigation to the calculator ready for input on a first visit (the browser already running,
  the page served from an origin it has never seen, so that nothing of it is cached or
  registered), the median of five: at most 300 ms in each engine;
- the median of the visits after it (a returning visitor; the service worker serves the files):
  at most 150 ms in each engine;
- timers an idle page starts in 5 s, in Chromium: none.

Usage: web_page.py PAGE_FOLDER [LOADS [ENGINE...]]"""
import gzip
import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from local_browser import browser, serve, url_of  # noqa: E402
from page import COUNT_TIMERS  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

FIRST_VISITS = 5


def ready_after_navigation(driver, url):
    driver.get(url)
    WebDriverWait(driver, 10).until(
        lambda d: d.execute_script("return window.vardolinReadyAt !== undefined")
    )
    return driver.execute_script("return window.vardolinReadyAt")


def visits(engine, folder, loads):
    """First visits, each to an origin the browser has never seen (the page served on a port of
    its own), and the returning visits to the last of them, in one browser of the engine."""
    servers = [serve(folder) for _ in range(FIRST_VISITS + 1)]
    try:
        with tempfile.TemporaryDirectory() as profile, browser(
            engine, profile, 1024, 768
        ) as driver:
            # The browser's own start is not the page's: it shows another page first.
            driver.get(url_of(servers[0]) + "elsewhere.html")
            firsts = [ready_after_navigation(driver, url_of(server)) for server in servers[1:]]
            returning = [
                ready_after_navigation(driver, f"{url_of(servers[-1])}?load={n}")
                for n in range(loads)
            ]
    finally:
        for server in servers:
            server.shutdown()
            server.server_close()
    return statistics.median(firsts), statistics.median(returning)


def idle_timers(url):
    with tempfile.TemporaryDirectory() as profile, browser(
        "chromium", profile, 1024, 768
    ) as driver:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": COUNT_TIMERS})
        ready_after_navigation(driver, url)
        time.sleep(5)
        return driver.execute_script("return window.vardolinTimers")


def main():
    folder = sys.argv[1]
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 9
    engines = sys.argv[3:] or ["chromium", "firefox", "webkit"]
    total = 0
    for name in ("vardolin.wasm", "vardolin.js"):
        data = open(os.path.join(folder, name), "rb").read()
        packed = len(gzip.compress(data, 9))
        total += packed
        print(f"{name}: {len(data) / 1024:.0f} KB, {packed / 1024:.0f} KB after gzip")
    print(f"program after gzip: {total / 1024:.0f} KB (target <= 100 KB)")
    for engine in engines:
        first, returning = visits(engine, folder, loads)
        print(
            f"{engine}: navigation to ready: first visit {first:.0f} ms, median of "
            f"{FIRST_VISITS} (target <= 300 ms); median of the {loads} visits after it "
            f"{returning:.0f} ms (target <= 150 ms)"
        )
    server = serve(folder)
    try:
        print(
            f"timers started by the idle page in 5 s: {idle_timers(url_of(server))} " f"(target 0)"
        )
    finally:
        server.shutdown()


main()
