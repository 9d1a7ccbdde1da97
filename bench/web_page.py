#!/usr/bin/python3
"""Size, start-up and idle of the calculator's web page, served from 127.0.0.1, in each of the
three engines the tests run in (headless Chromium, headless Firefox ESR, WebKitGTK on a virtual
display):
- the program (vardolin.wasm and vardolin.js) after gzip: at most 60 KB;
- navigation to the calculator ready for input on a first visit (the browser already running,
  the page served from an origin it has never seen, so that nothing of it is cached or
  registered), the median of seven: at most 300 ms in each engine;
- the median of the visits after it (a returning visitor; the service worker serves the files):
  at most 150 ms in each engine;
- both against the floor: a page built in the web preset's own tree with the same flags
  (bench/CMakeLists.txt) and the same kind of service worker, whose program draws one button
  (bench/minimal_page), visited alternately with the calculator in the same browser; and how
  often each visit fetched its .wasm;
- timers an idle page starts in 5 s, in Chromium: none.

Usage: web_page.py PAGE_FOLDER [LOADS [ENGINE...]]"""
import gzip
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from local_browser import browser, serve, url_of  # noqa: E402
from page import COUNT_TIMERS  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

FIRST_VISITS = 7
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
WASM_FETCHES = (
    "return performance.getEntriesByType('resource')"
    ".filter((entry) => entry.name.endsWith('.wasm')).length"
)
# The page registers its worker once it is ready; a returning visit is one the worker serves.
SERVED_BY_WORKER = "return navigator.serviceWorker.controller !== null"


def build_floor():
    """Builds the floor in the web page's own build, with its flags; answers its folder."""
    for command in (
        ["cmake", "--preset", "web"],
        ["cmake", "--build", "--preset", "web", "--target", "minimal_page"],
    ):
        subprocess.run(command, cwd=SOURCE, check=True, stdout=subprocess.DEVNULL)
    return os.path.join(SOURCE, "build-web-page", "minimal_page")


def ready_after_navigation(driver, url):
    """Milliseconds from navigation to ready, and the .wasm fetches the visit made."""
    driver.get(url)
    WebDriverWait(driver, 10).until(
        lambda d: d.execute_script("return window.vardolinReadyAt !== undefined")
    )
    return driver.execute_script("return window.vardolinReadyAt"), driver.execute_script(
        WASM_FETCHES
    )


def visits(engine, folders, loads):
    """For each page folder: first visits, each to an origin the browser has never seen (the
    page served on a port of its own), and the returning visits to the last of them, the pages
    taking turns in one browser of the engine. Per page: the medians of the first and the
    returning visits, the most .wasm fetches of one visit, and how many returning visits its
    service worker served."""
    servers = {folder: [serve(folder) for _ in range(FIRST_VISITS)] for folder in folders}
    firsts = {folder: [] for folder in folders}
    returning = {folder: [] for folder in folders}
    served = {folder: 0 for folder in folders}
    try:
        with tempfile.TemporaryDirectory() as profile, browser(
            engine, profile, 1024, 768
        ) as driver:
            # The browser's own start is not the page's: it shows another page first.
            driver.get(url_of(servers[folders[0]][0]) + "elsewhere.html")
            for visit in range(FIRST_VISITS):
                for folder in folders:
                    firsts[folder].append(
                        ready_after_navigation(driver, url_of(servers[folder][visit]))
                    )
            # A visitor returns once the page's worker has taken over. The page registers it
            # once it is ready, and the next page may come sooner than that; so each page is
            # visited once more, and left only when its worker serves it.
            for folder in folders:
                ready_after_navigation(driver, url_of(servers[folder][-1]))
                WebDriverWait(driver, 10).until(lambda d: d.execute_script(SERVED_BY_WORKER))
            for n in range(loads):
                for folder in folders:
                    url = f"{url_of(servers[folder][-1])}?load={n}"
                    returning[folder].append(ready_after_navigation(driver, url))
                    served[folder] += driver.execute_script(SERVED_BY_WORKER)
    finally:
        for server in sum(servers.values(), []):
            server.shutdown()
            server.server_close()
    return {
        folder: (
            statistics.median(time for time, _ in firsts[folder]),
            statistics.median(time for time, _ in returning[folder]),
            max(fetches for _, fetches in firsts[folder] + returning[folder]),
            served[folder],
        )
        for folder in folders
    }


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
        print(f"{name}: {len(data) / 1024:.1f} KB, {packed / 1024:.1f} KB after gzip")
    print(f"program after gzip: {total / 1024:.1f} KB (target <= 60 KB)")
    floor = build_floor()
    for engine in engines:
        times = visits(engine, [folder, floor], loads)
        first, returning, fetches, served = times[folder]
        floor_first, floor_returning, floor_fetches, _ = times[floor]
        print(
            f"{engine}: navigation to ready: first visit {first:.0f} ms, median of "
            f"{FIRST_VISITS} (target <= 300 ms); median of the {loads} visits after it "
            f"{returning:.0f} ms (target <= 150 ms)\n"
            f"  against the floor ({floor_first:.0f} / {floor_returning:.0f} ms): first "
            f"{first / floor_first:.2f}x, returning {returning / floor_returning:.2f}x; "
            f".wasm fetched up to {fetches} times a visit (the floor {floor_fetches}); "
            f"{served} of the {loads} returning visits served by the service worker"
        )
    server = serve(folder)
    try:
        print(
            f"timers started by the idle page in 5 s: {idle_timers(url_of(server))} " f"(target 0)"
        )
    finally:
        server.shutdown()


main()
