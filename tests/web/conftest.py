"""The web page's pytest tests: the page's folder (--page), the engine (--engine: chromium, the
default, firefox or webkit), and where pictures go (--pictures). A test file's tests share one
browser on a profile of its own, with the page served from 127.0.0.1; what an engine cannot do
is a skip that says why."""

import contextlib
import tempfile

import pytest
from local_browser import browser, serve
from page import Page


def pytest_addoption(parser):
    parser.addoption("--page", required=True, help="the built page's folder")
    parser.addoption(
        "--engine",
        default="chromium",
        choices=("chromium", "firefox", "webkit"),
    )
    parser.addoption("--pictures", help="the folder for the README's pictures")


@contextlib.contextmanager
def page_in_new_browser(folder, engine):
    """The page of FOLDER, served from 127.0.0.1, in a new browser of ENGINE on a profile of its
    own; `page.url` is where it is served and `page.server` the server."""
    server = serve(folder)
    try:
        with tempfile.TemporaryDirectory() as profile, browser(
            engine, profile, 1024, 768
        ) as driver:
            driver.set_script_timeout(30)
            yield Page(driver, engine, server)
    finally:
        server.shutdown()
        server.server_close()


@pytest.fixture(scope="module")
def page(request):
    """The calculator's page in a new browser, for a file's tests."""
    options = request.config.getoption
    with page_in_new_browser(options("page"), options("engine")) as opened:
        yield opened


@pytest.fixture(scope="session")
def pictures(request):
    return request.config.getoption("pictures")


def needs_chromium(page, what):
    """Skips the test outside Chromium, whose DevTools protocol alone does WHAT."""
    if not page.chromium:
        pytest.skip(f"{page.engine} has no DevTools protocol to {what}")
