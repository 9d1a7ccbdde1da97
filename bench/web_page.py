#!/usr/bin/python3
"""Size, start-up and idle of the calculator's web page, served from 127.0.0.1, in each of the
three engines the tests run in (headless Chromium, headless Firefox ESR, WebKitGTK on a virtual
display):
- the program (vardolin.wasm and vardolin.js) after gzip: at most 100 KB;
- navigation to the calculator ready for input on a first visit (the browser already running,
  the page served from an origin it has never seen, so that nothing of it is cached or
  registered), the median of seven: at most 300 ms in each engine;
- the median of the visits after it (a returning visitor; the service worker serves the files):
  at most 150 ms in each engine;
- both against the floor: a page built here with the same flags and the same kind of service
  worker, whose program draws one button (bench/minimal_page), visited alternately with the
  calculator in the same browser; and how often each visit fetched its .wasm;
- timers an idle page starts in 5 s, in Chromium: none.

Usage: web_page.py PAGE_FOLDER [LOADS [ENGINE...]]   (Emscripten's em++ builds the floor)"""
import gzip
import os
import shutil
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
FLOOR_SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "minimal_page")
# The page's own flags: compiled as the web preset compiles, linked with the link flags of
# framework/web/CMakeLists.txt, but for the calculator's list of what Asyncify leaves alone, which
# the floor has no need of.
FLOOR_COMPILE_FLAGS = ["-O1", "-DNDEBUG", "-std=c++20"]
FLOOR_FLAGS = [
    "-Oz",
    "--bind",
    "-sASYNCIFY=1",
    "-sASYNCIFY_STACK_SIZE=32768",
    "-sALLOW_MEMORY_GROWTH=1",
    "-sENVIRONMENT=web",
    "-sMALLOC=emmalloc",
    "-sDYNAMIC_EXECUTION=0",
    "-sTEXTDECODER=2",
    "-sINCOMING_MODULE_JS_API=[]",
]
# And the page's script shortened as its build does (app/CMakeLists.txt).
FLOOR_SCRIPT_FLAGS = ["--compress", "passes=2", "--mangle", "reserved=[Module]", "--toplevel"]
WASM_FETCHES = (
    "return performance.getEntriesByType('resource')"
    ".filter((entry) => entry.name.endsWith('.wasm')).length"
)


def build_floor(folder):
    for name in ("index.html", "service-worker.js"):
        shutil.copy(os.path.join(FLOOR_SOURCE, name), folder)
    script = os.path.join(folder, "minimal_page.js")
    # Debian's Emscripten and Terser find their Node.js modules there, as the page's build says.
    node_modules = {**os.environ, "NODE_PATH": "/usr/share/nodejs"}
    source = os.path.join(FLOOR_SOURCE, "minimal_page.cpp")
    program = os.path.join(folder, "minimal_page.o")
    for step in (
        [*FLOOR_COMPILE_FLAGS, "-c", source, "-o", program],
        [*FLOOR_FLAGS, program, "-o", script],
    ):
        subprocess.run(["em++", *step], check=True, env=node_modules)
    os.remove(program)
    subprocess.run(
        ["terser", script, *FLOOR_SCRIPT_FLAGS, "--output", script], check=True, env=node_modules
    )


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
    returning visits, and the most .wasm fetches of one visit."""
    servers = {folder: [serve(folder) for _ in range(FIRST_VISITS)] for folder in folders}
    firsts = {folder: [] for folder in folders}
    returning = {folder: [] for folder in folders}
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
            for n in range(loads):
                for folder in folders:
                    url = f"{url_of(servers[folder][-1])}?load={n}"
                    returning[folder].append(ready_after_navigation(driver, url))
    finally:
        for server in sum(servers.values(), []):
            server.shutdown()
            server.server_close()
    return {
        folder: (
            statistics.median(time for time, _ in firsts[folder]),
            statistics.median(time for time, _ in returning[folder]),
            max(fetches for _, fetches in firsts[folder] + returning[folder]),
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
    print(f"program after gzip: {total / 1024:.1f} KB (target <= 100 KB)")
    with tempfile.TemporaryDirectory() as floor:
        build_floor(floor)
        for engine in engines:
            times = visits(engine, [folder, floor], loads)
            first, returning, fetches = times[folder]
            floor_first, floor_returning, floor_fetches = times[floor]
            print(
                f"{engine}: navigation to ready: first visit {first:.0f} ms, median of "
                f"{FIRST_VISITS} (target <= 300 ms); median of the {loads} visits after it "
                f"{returning:.0f} ms (target <= 150 ms)\n"
                f"  against the floor ({floor_first:.0f} / {floor_returning:.0f} ms): first "
                f"{first / floor_first:.2f}x, returning {returning / floor_returning:.2f}x; "
                f".wasm fetched up to {fetches} times a visit (the floor {floor_fetches})"
            )
    server = serve(folder)
    try:
        print(
            f"timers started by the idle page in 5 s: {idle_timers(url_of(server))} " f"(target 0)"
        )
    finally:
        server.shutdown()


main()
