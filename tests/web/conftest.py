"""The web page's pytest tests: the page's folder (--page), the engine (--engine: chromium, the
default, firefox or webkit), and where pictures go (--pictures). A test file's tests share one
browser on a profile of its own, with the page served from 127.0.0.1; what an engine cannot do
is a skip that says why."""

import tempfile

import pytest
from local_browser import browser, serve, url_of
from page import Page


def pytest_addoption(parser):
    parser.addoption("--page", required=True, help="the built page's folder")
    parser.addoption(
        "--engine",
        default="chromium",
        choices=("chromium", "firefox", "webkit"),
    )
    parser.addoption("--pictures", help="the folder for the README's pictures")


@pytest.fixture(scope="module")
def page(request):
    """The calculator's page in a new browser; `page.url` is where it is served."""
    server = serve(request.config.getoption("page"))
    engine = request.config.getoption("engine")
    try:
        with tempfile.TemporaryDirectory() as profile, browser(
            engine, profile, 1024, 768
        ) as driver:
            driver.set_script_timeout(30)
            opened = Page(driver, engine)
            opened.url = url_of(server)
            yield opened
    finally:
        server.shutdown()
        server.server_close()


@pytest.fixture(scope="session")
def pictures(request):
    return request.config.getoption("pictures")


def needs_chromium(page, what):
    """Skips the test outside Chromium, whose DevTools protocol alone does WHAT."""
    if not page.chromium:
        pytest.skip(f"{page.engine} has no DevTools protocol to {what}")
