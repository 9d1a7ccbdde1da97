"""A static folder served on 127.0.0.1, and the browsers that the web page's tests and benchmark
open it in: Debian's Chromium, headless, driven through chromedriver; Debian's Firefox ESR,
headless, driven over WebDriver BiDi (firefox_driver.py); and Debian's WebKitGTK (Safari's
engine) in its MiniBrowser, driven through WebKitWebDriver on a virtual X display of its own."""
import contextlib
import functools
import http.server
import os
import subprocess
import threading

from firefox_driver import FirefoxDriver
from selenium import webdriver
from selenium.webdriver.chrome.service import Service


# Another page of the same site, to leave the calculator for and come back from.
ELSEWHERE = b"<!doctype html><title>Elsewhere</title><p>Another page of the site.</p>"


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def do_GET(self):
        if self.path != "/elsewhere.html":
            return super().do_GET()
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(ELSEWHERE)))
        self.end_headers()
        self.wfile.write(ELSEWHERE)
        return None


def serve(folder):
    """Serves `folder` on a free port of 127.0.0.1 until shutdown(); returns the server."""
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=folder)
    )
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def url_of(server):
    return f"http://127.0.0.1:{server.server_address[1]}/"


def chromium(profile, width=1024, height=768):
    """Headless Chromium with a profile of its own and none of its background traffic."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in (
        "--headless=new",
        "--no-sandbox",
        "--disable-gpu",
        "--disable-quic",
        "--no-first-run",
        "--disable-background-networking",
        "--disable-component-update",
        "--disable-sync",
        f"--window-size={width},{height}",
        f"--user-data-dir={profile}",
    ):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


@contextlib.contextmanager
def virtual_display(width, height):
    """An X display of its own (Xvfb) for a browser that needs one, as DISPLAY meanwhile."""
    read, write = os.pipe()
    server = subprocess.Popen(
        [
            "Xvfb",
            "-displayfd",
            str(write),
            "-screen",
            "0",
            f"{width}x{height}x24",
            "-nolisten",
            "tcp",
        ],
        pass_fds=(write,),
        stderr=subprocess.DEVNULL,
    )
    os.close(write)
    with os.fdopen(read) as numbers:
        display = numbers.readline().strip()
    before = os.environ.get("DISPLAY")
    os.environ["DISPLAY"] = f":{display}"
    try:
        yield
    finally:
        if before is None:
            del os.environ["DISPLAY"]
        else:
            os.environ["DISPLAY"] = before
        server.terminate()
        server.wait()


def webkit():
    """WebKitGTK's MiniBrowser, driven through WebKitWebDriver, on the current display."""
    options = webdriver.WebKitGTKOptions()
    options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
    options.add_argument("--automation")
    return webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)


@contextlib.contextmanager
def browser(engine, profile, width, height):
    """The browser `engine` ("chromium", "firefox" or "webkit") with a window of `width` ×
    `height`."""
    if engine in ("chromium", "firefox"):
        driver = (
            chromium(profile, width, height)
            if engine == "chromium"
            else FirefoxDriver(profile, width, height)
        )
        try:
            yield driver
        finally:
            driver.quit()
        return
    with virtual_display(max(width, 1920), max(height, 1200)):
        driver = webkit()
        try:
            driver.set_window_size(width, height)
            yield driver
        finally:
            driver.quit()


def emulate_screen(driver, width, height, scale, touch):
    """Makes the page in Chromium see a screen of `width` × `height` CSS px at `scale` device
    pixels each, with a mobile viewport and a touch screen or with a mouse."""
    driver.execute_cdp_cmd(
        "Emulation.setDeviceMetricsOverride",
        {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": touch},
    )
    driver.execute_cdp_cmd(
        "Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5}
    )


def emulate_phone(driver, width, height=844):
    """Makes the page see a phone held upright: `width` × `height` CSS px at three device pixels
    each, a mobile viewport and a touch screen."""
    emulate_screen(driver, width, height, 3, True)


def emulate_desktop(driver):
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
