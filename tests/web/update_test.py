#!/usr/bin/python3
"""Updates reach returning users: the page is loaded from a copy of the built folder, one file
of the copy changes and the build's last step (cmake/PageCache.cmake) writes the worker again,
the version staying the same; after at most two reloads the browser shows the changed page, and
then shows it offline too."""

import os
import shutil
import subprocess

from local_browser import serve, url_of
from page import CENT
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
ENDED = "return document.querySelector('#ended p').textContent"


def rebuild(folder):
    index = os.path.join(folder, "index.html")
    text = open(index).read()
    open(index, "w").write(
        text.replace("The calculator has ended.", "The calculator has ended (rebuilt).")
    )
    subprocess.run(
        [
            "cmake",
            f"-DPAGE={folder}",
            f"-DTEMPLATE={os.path.join(ROOT, 'app', 'web', 'service-worker.js')}",
            "-P",
            os.path.join(ROOT, "cmake", "PageCache.cmake"),
        ],
        check=True,
    )


def cache_name(folder):
    worker = open(os.path.join(folder, "service-worker.js")).read()
    return worker.split("const CACHE = '", 1)[1].split("'", 1)[0]


def controlled(page):
    WebDriverWait(page.driver, 10).until(
        lambda d: d.execute_script("return navigator.serviceWorker.controller !== null")
    )


def test_a_rebuilt_page_reaches_a_returning_user_online_and_offline(page, request, tmp_path):
    folder = tmp_path / "page"
    shutil.copytree(request.config.getoption("page"), folder)
    server = serve(folder)
    page.open(url_of(server))
    controlled(page)
    before = cache_name(folder)
    assert page.script(ENDED) == "The calculator has ended.", "the first visit shows the page"

    rebuild(folder)
    after = cache_name(folder)
    assert after != before, f"a changed file names a new cache ({before} → {after})"
    # The next visit finds the new worker, which installs and takes over while the old page
    # shows; the visit after it shows the new page.
    page.driver.refresh()
    page.wait_for("ready")
    # The next visit installs the new worker, which keeps only the new cache.
    WebDriverWait(page.driver, 10).until(
        lambda d: d.execute_async_script("caches.keys().then(arguments[arguments.length - 1])")
        == [after]
    )
    page.driver.refresh()
    page.wait_for("ready")
    assert (
        page.script(ENDED) == "The calculator has ended (rebuilt)."
    ), "the visit after the next shows the changed page, and the old cache is gone"

    server.shutdown()
    server.server_close()
    page.driver.refresh()
    page.wait_for("ready")
    page.keys(Keys.TAB, Keys.TAB, "445", Keys.ENTER)
    assert (
        page.script(ENDED) == "The calculator has ended (rebuilt)."
        and page.value(CENT) == "19.5622"
    ), "offline the changed page opens and calculates"
