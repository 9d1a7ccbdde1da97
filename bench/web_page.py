#!/usr/bin/python3
"""Size, start-up and idle of the calculator's web page, in headless Chromium served from
127.0.0.1:
- the program (vardolin.wasm and vardolin.js) after gzip: at most 100 KB;
- navigation to the calculator ready for input on a first visit (the browser already running,
  nothing of the page cached or registered), the median of five: at most 300 ms;
- the median of the visits after it (a returning visitor; the service worker serves the files):
  at most 150 ms;
- timers an idle page starts in 5 s: none.

Usage: web_page.py PAGE_FOLDER [LOADS]"""
import gzip
import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from local_browser import chromium, serve, url_of  # noqa: E402
from page import COUNT_TIMERS  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402


def ready_after_navigation(driver, url):
    driver.get(url)
    WebDriverWait(driver, 10).until(
        lambda d: d.execute_script("return window.vardolinReadyAt !== undefined"))
    return driver.execute_script("return window.vardolinReadyAt")


def main():
    folder = sys.argv[1]
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 9
    total = 0
    for name in ("vardolin.wasm", "vardolin.js"):
        data = open(os.path.join(folder, name), "rb").read()
        packed = len(gzip.compress(data, 9))
        total += packed
        print(f"{name}: {len(data) / 1024:.0f} KB, {packed / 1024:.0f} KB after gzip")
    print(f"program after gzip: {total / 1024:.0f} KB (target <= 100 KB)")
    server = serve(folder)
    with tempfile.TemporaryDirectory() as profile:
        driver = chromium(profile)
        try:
            driver.get("about:blank")  # the browser's own start is not the page's
            firsts = []
            for i in range(5):
                driver.execute_cdp_cmd("Storage.clearDataForOrigin", {
                    "origin": url_of(server).rstrip("/"), "storageTypes": "all"})
                driver.execute_cdp_cmd("Network.clearBrowserCache", {})
                driver.get("about:blank")
                firsts.append(ready_after_navigation(driver, f"{url_of(server)}?first={i}"))
            first = statistics.median(firsts)
            times = [ready_after_navigation(driver, f"{url_of(server)}?load={i}")
                     for i in range(loads)]
            driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                   {"source": COUNT_TIMERS})
            ready_after_navigation(driver, url_of(server))
            time.sleep(5)
            timers = driver.execute_script("return window.vardolinTimers")
        finally:
            driver.quit()
    server.shutdown()
    print(f"navigation to ready: first visit {first:.0f} ms, median of 5 (target <= 300 ms); "
          f"median of the {loads} visits after it {statistics.median(times):.0f} ms "
          f"(target <= 150 ms)")
    print(f"timers started by the idle page in 5 s: {timers} (target 0)")


main()
