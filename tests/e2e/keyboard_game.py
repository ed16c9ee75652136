#!/usr/bin/python3
"""One whole game of Pairfall from the keyboard alone, as a blind player plays it.

Every key reaches the program through the accessibility bus, the way assistive
technology sends keys.  All the script knows of the game it reads from the
accessibility tree: the slots' names, focus and checked states, the status
line and the message boxes.  It uses no pixels and no pointer.

    keyboard_game.py MAIN_WINDOW_ID

There is no window manager under Xvfb, so the script does the one thing of a
window manager's that this needs, with xdotool: it gives a new dialog the
keyboard focus, and gives it back to the main window (MAIN_WINDOW_ID) once a
message box or dialog has closed.
"""
import collections
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

from game_rules import COLUMNS, RANKS, SLOTS, TEN, play_left, wrong_pair

KEYSYMS = {
    "space": 0x0020, "Return": 0xFF0D, "KP_Enter": 0xFF8D, "Tab": 0xFF09,
    "ISO_Left_Tab": 0xFE20, "Home": 0xFF50, "Left": 0xFF51, "Up": 0xFF52,
    "Right": 0xFF53, "Down": 0xFF54, "End": 0xFF57, "Escape": 0xFF1B, "F3": 0xFFC0,
    "a": 0x0061, "f": 0x0066, "g": 0x0067, "h": 0x0068, "x": 0x0078,
}
ALT_MASK = 1 << 3  # Mod1
PRESS_KEYS = ["space", "Return", "KP_Enter"]  # taken in turn
EMPTY = "Empty place"

main_window = sys.argv[1]
events = collections.Counter()
presses = 0
last_pressed = None


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def on_event(event):
    try:
        events[(event.type, event.source.getRoleName())] += 1
    except GLib.GError:
        pass  # its object is already gone, like a closed message box's


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_until(what, condition, seconds=5.0):
    """Reads again until condition holds; an object that vanished while being
    read (a message box closing) only means reading again."""
    deadline = time.monotonic() + seconds
    while True:
        pump()
        try:
            result = condition()
        except GLib.GError:
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            fail(f"waited {seconds} s for {what}")
        time.sleep(0.01)


def key(name):
    pyatspi.Registry.generateKeyboardEvent(KEYSYMS[name], None, pyatspi.KEY_SYM)


# --- Reading the tree -------------------------------------------------------

def children(accessible):
    """The children still there: one may vanish while the list is read.  The
    program itself may not answer the registry for a moment (a message box
    opening on a crowded machine); until it does, it has none."""
    if accessible is None:
        return []
    found = [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]
    return [child for child in found if child is not None]


def program():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == "Pairfall":
            return application
    return None


def find(accessible, role, name=None):
    for child in children(accessible):
        if child.getRoleName() == role and (name is None or child.name == name):
            return child
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def main_frame():
    return next((w for w in children(program()) if w.getRoleName() == "frame"), None)


def slots():
    table = find(main_frame(), "panel", "Table")
    return children(table)


def names():
    return [slot.name for slot in slots()]


def has(accessible, state):
    return accessible.getState().contains(state)


def focused_slot():
    found = [i for i, slot in enumerate(slots()) if has(slot, pyatspi.STATE_FOCUSED)]
    return found[0] if len(found) == 1 else None


def checked_slots():
    return [i for i, slot in enumerate(slots()) if has(slot, pyatspi.STATE_CHECKED)]


def status_text():
    return find(find(main_frame(), "status bar"), "label").name


def cards_left():
    text = status_text()
    return int(text.split()[2]) if text.startswith("There are ") else 52


def message_box():
    """The open message box as (title, prompt), or None."""
    for window in children(program()):
        if window.getRoleName() == "alert":
            labels = [label.name for label in children(window) if label.getRoleName() == "label" and label.name]
            return window.name, labels[-1] if labels else ""
    return None


def dialog():
    """The open dialog's title, or None."""
    for window in children(program()):
        if window.getRoleName() == "dialog":
            return window.name
    return None


def value(name):
    return 0 if name == EMPTY else RANKS[name.split()[0]]


def tree_of_table():
    table = find(main_frame(), "panel", "Table")
    lines = [f"{table.getRoleName()} {table.name!r}"]
    for slot in children(table):
        states = sorted(pyatspi.stateToString(s) for s in slot.getState().getStates())
        action = slot.queryAction()
        actions = [action.getName(i) for i in range(action.nActions)]
        lines.append(f"  {slot.getRoleName()} {slot.name!r} description={slot.description!r} "
                     f"states={states} actions={actions}")
    return "\n".join(lines)


# --- Moving and pressing ------------------------------------------------------

def move(key_name, expected):
    key(key_name)
    wait_until(f"{key_name} to move the focus to slot {expected}", lambda: focused_slot() == expected)


def move_to(target):
    """Arrows only: rows first, then columns."""
    at = focused_slot()
    while at != target:
        if at // COLUMNS != target // COLUMNS:
            step, name = (COLUMNS, "Down") if target > at else (-COLUMNS, "Up")
        else:
            step, name = (1, "Right") if target > at else (-1, "Left")
        at += step
        move(name, at)


def press(slot):
    global presses, last_pressed
    move_to(slot)
    last_pressed = slot
    key(PRESS_KEYS[presses % len(PRESS_KEYS)])
    presses += 1
    if presses > 1000:
        fail("the game did not end after 1000 presses")


def alt(letter):
    pyatspi.Registry.generateKeyboardEvent(ALT_MASK, None, pyatspi.KEY_LOCKMODIFIERS)
    key(letter)
    pyatspi.Registry.generateKeyboardEvent(ALT_MASK, None, pyatspi.KEY_UNLOCKMODIFIERS)


def menu_item_showing(name):
    item = find(program(), "menu item", name)
    return item is not None and has(item, pyatspi.STATE_SHOWING)


def give_main_window_the_focus():
    """What a window manager does when a message box or dialog closes."""
    wait_until("the message box to close", lambda: message_box() is None and dialog() is None)
    subprocess.run(["xdotool", "windowfocus", "--sync", main_window], check=True)
    wait_until("the main window to be active again", lambda: has(main_frame(), pyatspi.STATE_ACTIVE))


# --- The rules, read from the slot names ---------------------------------------

def game_ends_now(values):
    """A loss shows once all twelve slots hold cards and no play is left."""
    return cards_left() == 0 or (EMPTY not in names() and play_left(values) is None)


# --- The game ------------------------------------------------------------------

def check_start():
    wait_until("the table with twelve slots", lambda: program() is not None and len(slots()) == SLOTS)
    wait_until("the main window to be active", lambda: has(main_frame(), pyatspi.STATE_ACTIVE))
    for i, slot in enumerate(slots()):
        if slot.getRoleName() != "push button" or slot.name != EMPTY:
            fail(f"slot {i} is {slot.getRoleName()} {slot.name!r}, not an empty push button")
        if slot.description != f"Row {i // COLUMNS + 1}, place {i % COLUMNS + 1}":
            fail(f"slot {i} is described as {slot.description!r}")
    if status_text() != "Ready":
        fail(f"the status line reads {status_text()!r}, not Ready")
    wait_until("slot 0 to have the focus", lambda: focused_slot() == 0)


def walk_every_key():
    """Each movement key once, the edges included."""
    for name, expected in [("End", 11), ("Right", 11), ("Down", 11), ("Home", 0), ("Left", 0), ("Up", 0),
                           ("Tab", 1), ("ISO_Left_Tab", 0), ("ISO_Left_Tab", 11), ("Tab", 0)]:
        move(name, expected)


def select_and_deselect(slot):
    press(slot)
    wait_until(f"slot {slot} to be checked", lambda: checked_slots() == [slot])
    press(slot)
    wait_until(f"slot {slot} to be unchecked", lambda: checked_slots() == [])


def play_wrong_pair(pair):
    before = names()
    press(pair[0])
    wait_until(f"slot {pair[0]} to be checked", lambda: checked_slots() == [pair[0]])
    print("The table in play, one card selected:\n" + tree_of_table())
    press(pair[1])
    box = wait_until("the message box about the wrong pair", message_box)
    if box[1] != "Cards do NOT total 10":
        fail(f"the wrong pair brought {box!r}")
    key("Return")  # OK
    give_main_window_the_focus()
    wait_until(f"the focus back on slot {pair[1]}", lambda: focused_slot() == pair[1])
    if checked_slots() or names() != before:
        fail("the wrong pair changed the table")


def play_one_move():
    """One play from the table; returns the end-of-game message box, if any."""
    values = [value(name) for name in names()]
    if EMPTY in names():
        move_list = [names().index(EMPTY)]
    else:
        move_list = play_left(values)
        if move_list is None:
            fail(f"no play is left but no message box is open: {names()}")
    before_left = cards_left()
    before_names = names()
    for step, slot in enumerate(move_list):
        press(slot)
        if step < len(move_list) - 1:
            wait_until(f"slot {slot} to be checked", lambda: slot in checked_slots() or message_box())
    changed = move_list[0]
    wait_until("a card to be dealt", lambda: message_box() or names()[changed] != before_names[changed])
    if message_box() is None and cards_left() >= before_left:
        fail(f"the status line still reads {status_text()!r}")
    if game_ends_now([value(name) for name in names()]):
        return wait_until("the end-of-game message box", message_box)
    return message_box()


def open_and_close(menu_key, item, item_key, title):
    """Opens a window by its menu's access keys and closes it with Escape; the
    focus must come back to the slot it was on."""
    slot = focused_slot()
    alt(menu_key)
    wait_until(f"the menu with {item}", lambda: menu_item_showing(item))
    key(item_key)
    wait_until(f"the {title} window", lambda: dialog() == title)
    # A window manager gives a new window the focus; Qt asks for it only for modal ones.
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{title}$", "windowfocus", "--sync"],
                   check=True, stdout=subprocess.DEVNULL)
    key("Escape")
    give_main_window_the_focus()
    wait_until(f"the focus back on slot {slot} after {title}", lambda: focused_slot() == slot)


def main():
    for kind in ("object:property-change:accessible-name", "object:state-changed:checked",
                 "object:state-changed:focused", "object:state-changed:active", "focus:", "window:activate"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    check_start()
    walk_every_key()
    started = time.monotonic()

    tried_wrong_pair = False
    tried_deselect = False
    box = None
    while box is None:
        values = [value(name) for name in names()]
        pair = wrong_pair(values)
        if not tried_deselect and pair:
            select_and_deselect(pair[0])
            tried_deselect = True
        elif not tried_wrong_pair and pair and EMPTY not in names():
            play_wrong_pair(pair)
            tried_wrong_pair = True
        box = play_one_move()

    title, prompt = box
    won = title == "You WIN"
    expected = "Would you like to play again?" if won else "You lose, would you like to play again?"
    if prompt != expected or title not in ("You WIN", "You LOSE"):
        fail(f"the game ended with {box!r}")
    print(f"The game ended: {title} after {presses} presses, {cards_left()} cards left, "
          f"{time.monotonic() - started:.1f} s")
    key("Return")  # Yes, the default: a new game
    give_main_window_the_focus()
    wait_until("a new game: twelve empty places", lambda: names() == [EMPTY] * SLOTS)
    wait_until("the status line to read Ready", lambda: status_text() == "Ready")
    if focused_slot() != last_pressed:
        fail(f"the focus is on slot {focused_slot()}, not on slot {last_pressed} as before the new game")

    open_and_close("h", "About Pairfall...", "a", "About Pairfall")
    open_and_close("f", "Game Stats", "g", "Game Stats")

    for kind, role in [("object:property-change:accessible-name", "push button"),
                       ("object:property-change:accessible-name", "label"),
                       ("object:state-changed:checked", "push button"),
                       ("object:state-changed:focused", "push button")]:
        if events[(kind, role)] == 0:
            fail(f"no {kind} event came from a {role}")

    alt("f")
    wait_until("the File menu", lambda: menu_item_showing("Exit"))
    key("x")
    wait_until("the program to end", lambda: program() is None)
    extras = ", a card selected and put back" if tried_deselect else ""
    extras += ", a wrong pair refused" if tried_wrong_pair else ""
    print(f"1 passed, 0 failed: a whole game from the keyboard ({'won' if won else 'lost'}), "
          f"{presses} presses{extras}, a new game, About and Game Stats, read through the accessibility tree")


if __name__ == "__main__":
    main()
