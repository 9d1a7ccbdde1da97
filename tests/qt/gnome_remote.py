#!/usr/bin/python3
"""Types, clicks and takes pictures on GNOME's compositor (mutter) through its remote-desktop
and screen-cast D-Bus interfaces, as a remote-desktop client does: one session for the whole
test. Reads one command a line on stdin and answers "ok" or "error: ..." on stdout:
    key KEY...        presses each key in turn, with its modifiers: Tab, Shift+Tab, Alt+F4
    type TEXT         types TEXT
    click X Y         moves the pointer to X,Y on the monitor and clicks the left button
    picture FILE      saves the monitor's picture as a PNG file
The picture is taken from the session's PipeWire stream with GStreamer."""
import subprocess
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

REMOTE = "org.gnome.Mutter.RemoteDesktop"
CAST = "org.gnome.Mutter.ScreenCast"
KEYSYMS = {
    "Tab": 0xFF09,
    "Return": 0xFF0D,
    "Enter": 0xFF0D,
    "Escape": 0xFF1B,
    "Up": 0xFF52,
    "Down": 0xFF54,
    "F1": 0xFFBE,
    "F4": 0xFFC1,
    "F10": 0xFFC7,
    "Shift": 0xFFE1,
    "Ctrl": 0xFFE3,
    "Alt": 0xFFE9,
    "KP_Enter": 0xFF8D,
}
LEFT_BUTTON = 0x110  # BTN_LEFT

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(name, path, interface, method, arguments=None, reply="()"):
    return bus.call_sync(
        name,
        path,
        interface,
        method,
        arguments,
        GLib.VariantType(reply),
        Gio.DBusCallFlags.NONE,
        10000,
        None,
    ).unpack()


class Session:
    def __init__(self):
        self.position = (0.0, 0.0)
        (self.remote,) = call(
            REMOTE, "/org/gnome/Mutter/RemoteDesktop", REMOTE, "CreateSession", reply="(o)"
        )
        (session_id,) = call(
            REMOTE,
            self.remote,
            "org.freedesktop.DBus.Properties",
            "Get",
            GLib.Variant("(ss)", (REMOTE + ".Session", "SessionId")),
            "(v)",
        )
        (cast,) = call(
            CAST,
            "/org/gnome/Mutter/ScreenCast",
            CAST,
            "CreateSession",
            GLib.Variant(
                "(a{sv})", ({"remote-desktop-session-id": GLib.Variant("s", session_id)},)
            ),
            "(o)",
        )
        (self.stream,) = call(
            CAST,
            cast,
            CAST + ".Session",
            "RecordMonitor",
            GLib.Variant("(sa{sv})", ("", {})),
            "(o)",
        )
        nodes = []
        bus.signal_subscribe(
            None,
            CAST + ".Stream",
            "PipeWireStreamAdded",
            self.stream,
            None,
            Gio.DBusSignalFlags.NONE,
            lambda *signal: nodes.append(signal[5].unpack()[0]),
        )
        self.remote_call("Start")
        timed_out = []
        timeout = GLib.timeout_add_seconds(10, lambda: timed_out.append(True))
        while not nodes and not timed_out:
            GLib.MainContext.default().iteration(True)
        if not timed_out:
            GLib.source_remove(timeout)
        if not nodes:
            raise RuntimeError("mutter started no screen-cast stream")
        self.node = nodes[0]
        # The session's keyboard comes into being with its first key, which it loses: a
        # modifier alone comes first, and the programs get the new keyboard's keymap.
        self.keysym(KEYSYMS["Shift"], True)
        self.keysym(KEYSYMS["Shift"], False)

    def remote_call(self, method, arguments=None):
        call(REMOTE, self.remote, REMOTE + ".Session", method, arguments)

    def keysym(self, keysym, pressed):
        self.remote_call("NotifyKeyboardKeysym", GLib.Variant("(ub)", (keysym, pressed)))

    def key(self, name):
        keysyms = [KEYSYMS[part] if part in KEYSYMS else ord(part) for part in name.split("+")]
        for keysym in keysyms:
            self.keysym(keysym, True)
        for keysym in reversed(keysyms):
            self.keysym(keysym, False)

    def type(self, text):
        for character in text:
            self.key(character)

    def move(self, x, y):
        self.position = (float(x), float(y))
        self.remote_call(
            "NotifyPointerMotionAbsolute", GLib.Variant("(sdd)", (self.stream, float(x), float(y)))
        )

    def button(self, pressed):
        self.remote_call("NotifyPointerButton", GLib.Variant("(ib)", (LEFT_BUTTON, pressed)))

    def click(self, x, y):
        self.move(x, y)
        self.button(True)
        self.button(False)

    def release(self, x, y):
        """Moves the pressed pointer to x, y in steps, and lets go there."""
        start = self.position
        for step in range(1, 11):
            self.move(
                start[0] + (float(x) - start[0]) * step / 10,
                start[1] + (float(y) - start[1]) * step / 10,
            )
        self.button(False)

    def picture(self, file):
        # A new reader of the stream is sometimes refused while the last one is going away: it
        # tries again, for 5 seconds at the most.
        deadline = time.monotonic() + 5
        while True:
            taken = subprocess.run(
                [
                    "gst-launch-1.0",
                    "-q",
                    "pipewiresrc",
                    f"path={self.node}",
                    "num-buffers=1",
                    "!",
                    "videoconvert",
                    "!",
                    "pngenc",
                    "!",
                    "filesink",
                    f"location={file}",
                ],
                timeout=30,
                stdout=subprocess.DEVNULL,
                stderr=subprocess.PIPE,
                text=True,
            )
            if taken.returncode == 0:
                return
            if time.monotonic() > deadline:
                raise RuntimeError(f"no picture: {taken.stderr.strip()[-300:]}")


def main():
    session = Session()
    print("ok", flush=True)
    for line in sys.stdin:
        command, _, rest = line.rstrip("\n").partition(" ")
        try:
            if command == "key":
                for key in rest.split():
                    session.key(key)
            elif command == "type":
                session.type(rest)
            elif command == "click":
                session.click(*rest.split())
            elif command == "move":
                session.move(*rest.split())
            elif command == "press":
                session.button(True)
            elif command == "release":
                session.release(*rest.split())
            elif command == "picture":
                session.picture(rest)
            else:
                raise ValueError(f"no command {command!r}")
            print("ok", flush=True)
        except (
            GLib.Error,
            subprocess.SubprocessError,
            RuntimeError,
            ValueError,
            KeyError,
        ) as error:
            print(f"error: {error}", flush=True)


if __name__ == "__main__":
    main()
