#!/usr/bin/python3
"""The running Pairfall speaks the language of a translation, as a screen
reader hears it: the menus, the status line and a slot's name and place,
read from the accessibility tree and compared with the translation file.

    language.py TS_FILE
"""
import sys
import time
import xml.etree.ElementTree as ElementTree

import pyatspi
from gi.repository import GLib


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def translations(ts_file):
    found = {}
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        for message in context.iter("message"):
            found[message.findtext("source")] = message.findtext("translation")
    return found


def shown(text):
    """A caption as the tree gives it: without its access-key mark."""
    return text.replace("&", "")


def children(accessible):
    found = [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]
    return [child for child in found if child is not None]


def find_all(accessible, role=None):
    """Every object below with this role, or every object at all."""
    for child in children(accessible):
        if role is None or child.getRoleName() == role:
            yield child
        yield from find_all(child, role)


def main_frame():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == "Pairfall":
            frames = [window for window in children(application) if window.getRoleName() == "frame"]
            if frames:
                return frames[0]
    return None


def read_window(table_name, seconds=10.0):
    """The texts of the main window, once its tree is there."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            frame = main_frame()
            if frame is not None:
                menus = [item.name for bar in find_all(frame, "menu bar") for item in children(bar)]
                labels = [label.name for bar in find_all(frame, "status bar") for label in find_all(bar, "label")]
                tables = [panel for panel in find_all(frame, "panel") if panel.name == table_name]
                slots = children(tables[0]) if tables else []
                if menus and labels and slots:
                    return menus, labels[0], slots[0].name, slots[0].description
        except GLib.GError:
            pass  # an object went away while being read: read again
        time.sleep(0.05)
    frame = main_frame()
    seen = sorted({(child.getRoleName(), child.name) for child in find_all(frame)}) if frame else []
    fail(f"the main window's tree did not appear within {seconds} s: {seen}")


def main(ts_file):
    translated = translations(ts_file)
    menus, status, slot_name, slot_place = read_window(translated["Table"])
    wanted = {
        "menu bar": ([shown(translated["&File"]), shown(translated["&Help"])], menus[:2]),
        "status line": (translated["Ready"], status),
        "first slot's name": (translated["Empty place"], slot_name),
        "first slot's place": (translated["Row %1, place %2"].replace("%1", "1").replace("%2", "1"), slot_place),
    }
    for what, (expected, actual) in wanted.items():
        if expected != actual:
            fail(f"the {what} reads {actual!r}, not {expected!r}")
    language = ElementTree.parse(ts_file).getroot().get("language")
    print(f"The window speaks {language}: menus {menus[:2]}, status line {status!r}, "
          f"first slot {slot_name!r} at {slot_place!r}")


if __name__ == "__main__":
    main(sys.argv[1])
