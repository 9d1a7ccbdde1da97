"""The desktop tests' driver of the user scenario (user_scenario.py): the shell test that runs
pytest (user_scenario.sh) answers each request with its platform's means, through a pipe on file
descriptors 3 (requests: the name and its argument, split by a tab) and 4 (one line an answer)."""

import os

import pytest


class ShellDriver:
    def __init__(self):
        self.requests = os.fdopen(3, "w")
        self.answers = os.fdopen(4)

    def ask(self, request, argument=""):
        print(f"{request}\t{argument}", file=self.requests, flush=True)
        answer = self.answers.readline()
        if not answer:
            raise EOFError(f"the driver ended before it answered {request!r}")
        return answer.rstrip("\n")

    def key(self, name):
        self.ask("key", name)

    def type(self, text):
        self.ask("type", text)

    def menu_about(self):
        self.ask("menu")

    def picture(self):
        self.ask("picture")

    def active_title(self):
        return self.ask("title")

    def window_count(self, title):
        return int(self.ask("count", title) or 0)

    def focused_text(self):
        return self.ask("focused")

    def notice_open(self):
        return self.ask("notice") == "yes"

    def ended(self):
        return self.ask("ended") == "yes"


@pytest.fixture(scope="session")
def scenario_driver():
    return ShellDriver()
