#!/usr/bin/python3
"""Pairfall's spoken results on Windows, as pairfall.exe raises them under
Wine: a stand-in uiautomationcore.dll (tests/uia_standin) says that a screen
reader listens and writes one line for each UI Automation notification:

    window  kind  processing  activity  text  facts-about-the-window

Keys played with xdotool make a deal, a selection and its removal, the table
key (F3), a rule message and its cleared selection, pairs and the other
plays, and the end of a game; each line must say what the same keys make Orca
say on Linux (speech_rules.py, the rule screen_reader.py holds Orca to), as
an ActionCompleted (2) notification to be read at once (MostRecent, 3),
raised on the main window's own handle while that window is in front.

    windows_speech.py RECORD MAIN_WINDOW_ID

Which cards come is chance: the script learns each new card from the line
that names it (the rest of the line must still be exactly the rule's), and
chooses its next keys from the table it has learned.
"""
import itertools
import re
import subprocess
import sys
import time

import speech_rules as rules
from game_rules import RANKS, TEN, play_left, wrong_pair

RECORD, MAIN_WINDOW = sys.argv[1:3]
SPEECH_WAIT = 10.0  # seconds for a result to be raised, however busy the machine
ACTION_COMPLETED, MOST_RECENT, ACTIVITY = "2", "3", "Pairfall.Result"
SUITS = ["Clubs", "Diamonds", "Hearts", "Spades"]
CARDS = [f"{rank} of {suit}" for suit in SUITS for rank in RANKS]
CARD = re.compile("|".join(re.escape(card) for card in sorted(CARDS, key=len, reverse=True)))

rules.load_translations("-")  # the test prefix speaks English
EMPTY = rules.tr("Game", "Empty place")


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


class Table:
    """The table as the keys so far have made it, read by the shared rules."""

    def __init__(self):
        self.new_game()

    def new_game(self):
        self.cards = [EMPTY] * rules.SLOTS
        self.checked = []
        self.left = None  # None: Ready, before the first deal
        self.seen = set()

    def names(self):
        return list(self.cards)

    def checked_slots(self):
        return list(self.checked)

    def status_text(self):
        if self.left is None:
            return rules.tr("Game", "Ready")
        return rules.tr("Game", "There are %n cards left").replace("%n", str(self.left))

    def values(self):
        return [0 if name == EMPTY else RANKS[name.split()[0]] for name in self.cards]

    def cards_left(self):
        return 52 if self.left is None else self.left


table = Table()
focus = 0  # the focused place: slot 0 at the start
lines_read = 0
presses = 0
main_handle = None
recorded = []  # every line, for the summary


# --- The recording ---------------------------------------------------------------

def read_lines():
    try:
        with open(RECORD, "rb") as record:
            data = record.read()
    except FileNotFoundError:
        return []
    return data.decode("utf-8").splitlines(keepends=True)


def next_notification(what):
    """The next line the stand-in writes, within SPEECH_WAIT; exactly one is taken."""
    global lines_read
    deadline = time.monotonic() + SPEECH_WAIT
    while True:
        lines = read_lines()
        if len(lines) > lines_read and lines[lines_read].endswith("\n"):
            break
        if time.monotonic() > deadline:
            fail(f"{what}: no UI Automation notification was raised within {SPEECH_WAIT:.0f} s "
                 f"({lines_read} so far); is uiautomationcore.dll the stand-in, saying that clients listen?")
        time.sleep(0.01)
    line = lines[lines_read].rstrip("\n")
    lines_read += 1
    fields = line.split("\t")
    if len(fields) != 6:
        fail(f"{what}: the stand-in wrote {line!r}, not six fields")
    handle, kind, processing, activity, text, facts = fields
    recorded.append((what, handle, kind, processing, activity, text, facts))
    check_raised(what, handle, kind, processing, activity, facts)
    return text


def main_window_facts():
    """What the main window shows on the X server: its client size and title."""
    geometry = dict(line.split("=", 1) for line in subprocess.run(
        ["xdotool", "getwindowgeometry", "--shell", MAIN_WINDOW], check=True, capture_output=True,
        text=True).stdout.split())
    title = subprocess.run(["xdotool", "getwindowname", MAIN_WINDOW], check=True, capture_output=True,
                           text=True).stdout.rstrip("\n")
    return f"top-level own visible foreground {geometry['WIDTH']}x{geometry['HEIGHT']} {title}"


def check_raised(what, handle, kind, processing, activity, facts):
    """Raised on the main window in front, the one handle for every result."""
    global main_handle
    if (kind, processing, activity) != (ACTION_COMPLETED, MOST_RECENT, ACTIVITY):
        fail(f"{what}: raised as kind {kind}, processing {processing}, activity {activity!r}, not "
             f"{ACTION_COMPLETED}, {MOST_RECENT}, {ACTIVITY!r}")
    expected = main_window_facts()
    if facts != expected:
        fail(f"{what}: raised on window {handle}, which is '{facts}', not the main window, '{expected}'")
    if main_handle is None:
        main_handle = handle
    elif handle != main_handle:
        fail(f"{what}: raised on window {handle}, the earlier results on {main_handle}")


def expect(expected, what):
    said = next_notification(what)
    if said != expected:
        fail(f"{what}: raised {said!r}, the rule says {expected!r}")


def learn_deals(dealt, focused, what):
    """The new cards of dealt slots, from the line that names them: the one
    assignment of the named cards to the slots that makes the whole line the
    rule's."""
    said = next_notification(what)
    named = CARD.findall(said)
    before = list(table.cards)
    for order in itertools.permutations(named, len(dealt)):
        if len(set(order)) < len(order) or table.seen & set(order):
            continue
        for slot, card in zip(dealt, order):
            table.cards[slot] = card
        if rules.result_of_deals(table, dealt, focused) == said:
            table.seen.update(order)
            return
        table.cards = list(before)
    for slot in dealt:
        table.cards[slot] = "<a new card>"
    shape = rules.result_of_deals(table, dealt, focused)
    table.cards = before
    fail(f"{what}: raised {said!r}, which is not the rule's {shape!r} for any new card "
         f"(already dealt: {sorted(table.seen)})")


# --- Keys ---------------------------------------------------------------------------

def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def move_to(target):
    """Arrows only: rows first, then columns."""
    global focus
    while focus != target:
        if focus // rules.COLUMNS != target // rules.COLUMNS:
            step, name = (rules.COLUMNS, "Down") if target > focus else (-rules.COLUMNS, "Up")
        else:
            step, name = (1, "Right") if target > focus else (-1, "Left")
        key(name)
        focus += step


def press(slot):
    """Space or Return on the place, in turn."""
    global presses
    move_to(slot)
    key("space" if presses % 2 == 0 else "Return")
    presses += 1
    if presses > 1000:
        fail("the game did not end after 1000 presses")


def visible_windows(name):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                           capture_output=True, text=True).stdout.split()
    return [window for window in found if window != MAIN_WINDOW]


def answer_box(title, what):
    """Return on the message box titled so, once it shows; the main window
    then has the keys again, as a window manager would give them back."""
    deadline = time.monotonic() + SPEECH_WAIT
    while not visible_windows(title):
        if time.monotonic() > deadline:
            fail(f"{what}: no message box titled {title!r} within {SPEECH_WAIT:.0f} s")
        time.sleep(0.05)
    box = visible_windows(title)[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", box, "key", "Return"], check=True)
    while visible_windows(title):
        if time.monotonic() > deadline:
            fail(f"{what}: the message box {title!r} did not close on Return")
        time.sleep(0.05)


def give_main_window_the_keys():
    subprocess.run(["xdotool", "windowfocus", "--sync", MAIN_WINDOW], check=True)


# --- Results --------------------------------------------------------------------------

def select(slot, word="selected"):
    press(slot)
    if word == "selected":
        table.checked.append(slot)
    else:
        table.checked.remove(slot)
    expect(rules.tr("ResultSpeech", word), f"{word} slot {slot}")


def deal_onto(slot):
    table.left = table.cards_left() - 1
    table.cards[slot] = None  # learned from the line


def play(move_list, what):
    """One play: the cards before the last selected, the last pressed; the
    covered places are dealt in the game's order until the deck runs out.
    Returns the end-of-game box's title, if the game ended."""
    for slot in move_list[:-1]:
        select(slot)
    last = move_list[-1]
    press(last)
    dealt = []
    for slot in move_list:
        deal_onto(slot)
        dealt.append(slot)
        if table.left == 0:
            break
    table.checked = []
    won = table.left == 0
    if won:  # a won game's table is cleared before its message: no card is left to name
        table.cards = [EMPTY] * rules.SLOTS
        expect(rules.result_of_deals(table, [], last), what)
    else:
        learn_deals(dealt, last, what)
    values = table.values()
    if won or (EMPTY not in table.cards and play_left(values) is None):
        return rules.tr("Game", "You WIN") if won else rules.tr("Game", "You LOSE")
    return None


def refused_pair(pair):
    select(pair[0])
    press(pair[1])
    answer_box("Pairfall", "the rule message")
    table.checked = []
    expect(rules.cleared_selection(table, pair[0]), "the selection cleared after the rule message")
    give_main_window_the_keys()


def read_table(what):
    key("F3")
    expect(rules.table_summary(table), what)


GAMES = 4  # games played at most until each kind of result has been raised


def one_game(seen):
    """Plays until the game ends and a new one starts; seen gathers what was raised."""
    ending = None
    while ending is None:
        values = table.values()
        pair = wrong_pair(values)
        if "a selection put back" not in seen and pair:
            select(pair[0])
            select(pair[0], "not selected")
            seen["a selection put back"] = None
            read_table("the table key")
        elif "a refused pair" not in seen and pair and EMPTY not in table.cards:
            refused_pair(pair)
            seen["a refused pair"] = None
        if EMPTY in table.cards:
            move_list, kind = [table.cards.index(EMPTY)], "a deal"
        else:
            move_list = play_left(values)
            if move_list is None:
                fail(f"no play is left but the game did not end: {table.cards}")
            kind = {1: "a ten", 2: "a pair", 4: "four faces"}[len(move_list)]
        mark = len(recorded)
        ending = play(move_list, f"{kind} on {move_list}")
        seen.setdefault(kind, recorded[mark:])
    seen.setdefault(ending, None)
    answer_box(ending, "the end of the game")  # Yes, the default: a new game
    table.new_game()
    expect(rules.tr("Game", "Ready"), "the new game")
    give_main_window_the_keys()
    read_table("the table key in the new game")  # also: nothing else was raised in between


def main():
    started = time.monotonic()
    needed = ["a deal", "a pair", "a selection put back", "a refused pair"]
    seen = {}
    for _ in range(GAMES):
        one_game(seen)
        if all(kind in seen for kind in needed):
            break
    else:
        fail(f"{GAMES} games gave no chance for {[kind for kind in needed if kind not in seen]}")
    print(f"Raised on window {main_handle} (the main window, in front) for each result; a pair:")
    for what, handle, kind, processing, activity, text, _ in seen["a pair"]:
        print(f"  {what}: window {handle}, kind {kind}, processing {processing}, {activity}, {text!r}")
    print(f"1 passed, 0 failed: {len(recorded)} results as Orca hears them on Linux ({', '.join(seen)}, "
          f"the table key, a new game), {presses} presses, {time.monotonic() - started:.0f} s")


if __name__ == "__main__":
    main()
