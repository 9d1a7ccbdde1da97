#!/usr/bin/python3
"""Size and start-up of the calculator's web page: the program (vardolin.wasm and vardolin.js)
after gzip, and the time from navigation to the calculator ready for input in headless
Chromium, served from 127.0.0.1: the first load in a new browser, and the median of the loads
after it (a returning visitor; the service worker serves the files then).
Targets: at most 300 KB after gzip, at most 300 ms.

Usage: web_page.py PAGE_FOLDER [LOADS]"""
import gzip
import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from local_browser import chromium, serve, url_of  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402


def ready_after_navigation(driver, url):
    driver.get(url)
    WebDriverWait(driver, 10).until(
        lambda d: d.execute_script("return window.vardolinReadyAt !== undefined"))
    return driver.execute_script("return window.vardolinReadyAt")


def main():
    folder = sys.argv[1]
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 9
    for name in ("vardolin.wasm", "vardolin.js"):
        data = open(os.path.join(folder, name), "rb").read()
        print(f"{name}: {len(data) / 1024:.0f} KB, {len(gzip.compress(data, 9)) / 1024:.0f} KB "
              "after gzip")
    total = sum(len(gzip.compress(open(os.path.join(folder, name), "rb").read(), 9))
                for name in ("vardolin.wasm", "vardolin.js"))
    print(f"program after gzip: {total / 1024:.0f} KB (target <= 300 KB)")
    server = serve(folder)
    with tempfile.TemporaryDirectory() as profile:
        driver = chromium(profile)
        try:
            first = ready_after_navigation(driver, url_of(server))
            times = [ready_after_navigation(driver, f"{url_of(server)}?load={i}")
                     for i in range(loads)]
        finally:
            driver.quit()
    server.shutdown()
    print(f"navigation to ready: first load in a new browser {first:.0f} ms; "
          f"median of the {loads} after it {statistics.median(times):.0f} ms (target <= 300 ms)")


main()
