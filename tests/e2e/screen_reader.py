#!/usr/bin/python3
"""Pairfall as a blind player hears it: Orca itself, Debian's screen reader,
reads the running game while keys play it, and every word Orca says is taken
from Orca's own debug output ("SPEECH OUTPUT"), so no audio is needed.

    screen_reader.py MAIN_WINDOW_ID ORCA_FOLDER TS_FILE|- whole|short

Each result of a key must be spoken without the player moving, and must say
what the accessibility tree shows at that moment: a dealt card, the new cards
of a completed play with their places, a selection and a put-back, the count,
the rule messages and the end of the game, Game Stats and About, and the
table key (F3).  "whole" plays a whole game and stops and starts Orca again
halfway; "short" deals, selects and reads the table, for a translation
(TS_FILE).  Orca is started here, after the game, as a player may start it.
"""
import os
import re
import signal
import statistics
import subprocess
import sys
import time
import types

import keyboard_game as game  # reading the tree, the rules and the keys
import speech_rules as rules  # what each result must say, on Windows too

MAIN_WINDOW, ORCA_FOLDER, TS_FILE, PLAN = sys.argv[1:5]
ORCA_STARTS = 3  # Orca now and then hangs starting its speech; it is started again
SPEECH_WAIT = 10.0  # seconds for a result to be spoken, however busy the machine

SPEECH = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'( ?)\{")
NOTIFICATION = re.compile(r"SPEECH GENERATOR: Starting unfocused generation for \[notification \|")
KEY_TIME = re.compile(r"^\s+time=(\d+\.\d+)")


TRANSLATIONS = rules.load_translations(TS_FILE)
tr, fill, sentences = rules.tr, rules.fill, rules.sentences


# The tree as the player's language names it; the rules read the English names.
ENGLISH = {translation: source for (context, source), translation in TRANSLATIONS.items() if context == "CardNames"}
english_value = game.value
game.value = lambda name: english_value(ENGLISH.get(name, name))
game.EMPTY = tr("Game", "Empty place")
game.slots = lambda: game.children(game.find(game.main_frame(), "panel", tr("pairfall::Table", "Table")))


def place(slot):
    return game.slots()[slot].description


# The table as the accessibility tree shows it, for the shared rules.
TreeTable = types.SimpleNamespace(names=lambda: game.names(), checked_slots=lambda: game.checked_slots(),
                                  status_text=lambda: game.status_text(), place=place)


def seconds_of_day(hours, minutes, seconds):
    return int(hours) * 3600 + int(minutes) * 60 + float(seconds)


class Orca:
    """Orca in a process namespace of its own, so that it finds no other Orca
    of this user (it allows one a user) and ends whole when stopped."""

    def __init__(self):
        self.process = None
        self.log = os.path.join(ORCA_FOLDER, "orca.log")
        self.position = 0
        self.pending_key_time = None
        self.entries = []  # ("speech" | "notification" | "echo", time, text), read so far
        self.next_is_notification = False

    def start(self):
        for attempt in range(1, ORCA_STARTS + 1):
            if os.path.exists(self.log):
                os.remove(self.log)
            self.position = 0
            namespace = [] if os.geteuid() == 0 else ["--user", "--map-root-user"]
            self.process = subprocess.Popen(
                ["unshare", *namespace, "--pid", "--fork", "--mount-proc",
                 "orca", "--user-prefs", ORCA_FOLDER, "--debug-file", self.log],
                stdout=subprocess.DEVNULL, stderr=open(os.path.join(ORCA_FOLDER, "orca-stderr.log"), "a"))
            deadline = time.monotonic() + 20
            while time.monotonic() < deadline:
                if any(kind == "speech" and text == "Screen reader on." for kind, _, text in self.read()):
                    return
                if self.process.poll() is not None:
                    break
                time.sleep(0.05)
            print(f"Orca did not say 'Screen reader on.' (start {attempt} of {ORCA_STARTS}); starting it again")
            self.stop()
        game.fail(f"Orca did not start in {ORCA_STARTS} attempts")

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)  # the namespace's first process: all of Orca ends with it
            self.process.wait()
        self.process = None
        self.entries = []

    def read(self):
        """New entries of the debug output; a line still being written waits."""
        try:
            with open(self.log, "rb") as log:
                log.seek(self.position)
                data = log.read()
        except FileNotFoundError:
            return []
        end = data.rfind(b"\n") + 1
        self.position += end
        new = []
        for line in data[:end].decode("utf-8", "replace").splitlines():
            if NOTIFICATION.search(line):
                self.next_is_notification = True
            elif line.startswith("KEYBOARD_EVENT:  type=ATSPI_KEY_PRESSED_EVENT"):
                self.pending_key_time = "expected"
            elif self.pending_key_time == "expected" and KEY_TIME.match(line):
                stamp = time.localtime(float(KEY_TIME.match(line).group(1)))
                fraction = float(KEY_TIME.match(line).group(1)) % 1
                new.append(("key", seconds_of_day(stamp.tm_hour, stamp.tm_min, stamp.tm_sec + fraction), ""))
                self.pending_key_time = None
            match = SPEECH.match(line)
            if match:
                when = seconds_of_day(*match.group(1, 2, 3))
                kind = "echo" if match.group(5) else ("notification" if self.next_is_notification else "speech")
                self.next_is_notification = False
                new.append((kind, when, match.group(4)))
        self.entries += new
        return new

    def mark(self):
        self.read()
        return len(self.entries)

    def since(self, mark, kind=None):
        self.read()
        return [entry for entry in self.entries[mark:] if kind is None or entry[0] == kind]


orca = Orca()
figures = {"actions": 0, "silent": 0, "deal": [], "play": [], "select": []}


def spoken(text):
    """Orca ends a sentence it speaks with a full stop."""
    return text.rstrip(".")


def send(name):
    if name in game.KEYSYMS:
        game.key(name)
    else:  # a letter: an access key of the player's language
        game.pyatspi.Registry.generateKeyboardEvent(ord(name), None, game.pyatspi.KEY_SYM)


def access_key(context, source):
    caption = tr(context, source)
    return caption[caption.index("&") + 1].lower()


def command(menu, item):
    """A menu command by its access keys, as the player's language has them."""
    letter = access_key("pairfall::frmMain", menu)
    game.pyatspi.Registry.generateKeyboardEvent(game.ALT_MASK, None, game.pyatspi.KEY_LOCKMODIFIERS)
    send(letter)
    game.pyatspi.Registry.generateKeyboardEvent(game.ALT_MASK, None, game.pyatspi.KEY_UNLOCKMODIFIERS)
    shown = tr("pairfall::frmMain", item).replace("&", "").replace("%1", "Pairfall")
    game.wait_until(f"the menu with {shown}", lambda: game.menu_item_showing(shown))
    send(access_key("pairfall::frmMain", item))


def expect_notification(mark, expected, what, latency=None):
    """Waits for the result Orca speaks after mark, which must be expected."""
    figures["actions"] += 1
    deadline = time.monotonic() + SPEECH_WAIT
    while time.monotonic() < deadline:
        game.pump()
        heard = orca.since(mark, "notification")
        if heard:
            break
        time.sleep(0.01)
    else:
        figures["silent"] += 1
        game.fail(f"{what}: nothing was spoken; Orca said {[text for _, _, text in orca.since(mark)]}")
    said = spoken(heard[0][2])
    if said != expected:
        game.fail(f"{what}: Orca said {said!r}, the table shows {expected!r}")
    if latency is not None:
        keys = [when for kind, when, _ in orca.since(mark, "key")]
        if keys:
            figures[latency].append(((heard[0][1] - keys[0]) % 86400) * 1000)
    return orca.mark()


def expect_speech(mark, predicate, what, counted=True):
    deadline = time.monotonic() + SPEECH_WAIT
    while time.monotonic() < deadline:
        game.pump()
        for kind, _, text in orca.since(mark, "speech"):
            if predicate(spoken(text)):
                figures["actions"] += counted
                return text
        time.sleep(0.01)
    figures["silent"] += 1
    game.fail(f"{what}: not spoken; Orca said {[text for _, _, text in orca.since(mark)]}")


def no_notification_since(mark, what):
    extra = orca.since(mark, "notification")
    if extra:
        game.fail(f"after {what} Orca also said {[text for _, _, text in extra]}")


# --- What the table says now, in the player's language -------------------------

ENGLISH_PLAYER = TS_FILE == "-"
spelled_out = {"deals": 0, "pairs": 0}


def where(slot):
    """A place as an English player hears it after its card."""
    return f"row {slot // 4 + 1}, place {slot % 4 + 1}"


def as_heard(composed, spelled):
    """A handful of results are spelled out as an English player hears them
    rather than composed by speech_rules.py, so that a rule gone wrong in the
    program, and copied into the shared rules, is still caught."""
    if ENGLISH_PLAYER and spelled is not None:
        return spelled
    return composed

def result_of_deals(dealt, focused):
    return rules.result_of_deals(TreeTable, dealt, focused)


def table_summary():
    return rules.table_summary(TreeTable)


# --- Playing by ear --------------------------------------------------------------

def press_here(slot, kind):
    """Space or Return on the slot, once Orca has said where the focus went, as
    a player listens before pressing; Orca keeps the keypad's Enter for itself."""
    if game.focused_slot() != slot:
        mark = orca.mark()
        game.move_to(slot)
        expect_speech(mark, lambda text: text == place(slot), f"the focus on slot {slot}", counted=False)
    game.last_pressed = slot
    mark = orca.mark()
    send("space" if figures["actions"] % 2 == 0 else "Return")
    game.presses += 1
    return mark


def select(slot, word="selected"):
    mark = press_here(slot, "select")
    game.wait_until(f"slot {slot} to change", lambda: (slot in game.checked_slots()) == (word == "selected"))
    expect_notification(mark, tr("ResultSpeech", word), f"{word} slot {slot}", "select")


def play(move_list):
    """One play; returns the end-of-game message box, if any."""
    before = game.names()
    for slot in move_list[:-1]:
        select(slot)
    last = move_list[-1]
    mark = press_here(last, "play")
    game.wait_until("a card to be dealt", lambda: game.message_box() or game.names()[move_list[0]] != before[move_list[0]])
    # A won game's table is cleared before its message: no card is left to name.
    dealt = [slot for slot in move_list if game.names()[slot] not in (before[slot], game.EMPTY)]
    names, status = game.names(), game.status_text()
    spelled = None
    if len(dealt) == 1 and dealt == [last] and spelled_out["deals"] < 2:
        spelled_out["deals"] += 1
        spelled = f"{names[last]}. {status}"
    elif len(dealt) == 2 and spelled_out["pairs"] < 1:
        spelled_out["pairs"] += 1
        spelled = f"{names[dealt[0]]}, {where(dealt[0])}. {names[dealt[1]]}, {where(dealt[1])}. {status}"
    expected = as_heard(result_of_deals(dealt, last), spelled)  # the key pressed the focused slot
    expect_notification(mark, expected, f"the play on {move_list}", "deal" if len(move_list) == 1 else "play")
    if game.game_ends_now([game.value(name) for name in game.names()]):
        box = game.wait_until("the end-of-game message box", game.message_box)
        expect_speech(mark, lambda text: text == box[1], "the end of the game")
        return box
    return None


def wrong_pair(pair):
    select(pair[0])
    mark = press_here(pair[1], "wrong")
    box = game.wait_until("the message box about the wrong pair", game.message_box)
    expect_speech(mark, lambda text: text == box[1], "the rule message")
    mark = orca.mark()
    send("Return")  # OK
    game.give_main_window_the_focus()
    expected = as_heard(rules.cleared_selection(TreeTable, pair[0]),
                        f"{game.names()[pair[0]]}, {where(pair[0])}, not selected")
    expect_notification(mark, expected, "the selection cleared after the rule message")


def read_table(spelled=None):
    mark = orca.mark()
    send("F3")
    expect_notification(mark, as_heard(table_summary(), spelled), "the table key")


def open_game_stats_and_reset():
    mark = orca.mark()
    command("&File", "&Game Stats")
    title = tr("pairfall::frmGameStats", "Game Stats")
    game.wait_until("Game Stats", lambda: game.dialog() == title)
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{title}$", "windowfocus", "--sync"],
                   check=True, stdout=subprocess.DEVNULL)
    window = next(w for w in game.children(game.program()) if w.getRoleName() == "dialog")
    labels = [label.name for label in game.children(window) if label.getRoleName() == "label"]
    values = sentences([fill(tr("pairfall::frmGameStats", "%1 %2"), caption, value)
                        for caption, value in zip(labels[1:5], labels[5:9])])
    expect_speech(mark, lambda text: text.startswith(title) and text.endswith(values), "Game Stats opening")
    mark = orca.mark()
    send("Tab")  # to Reset Game Stats
    send("space")
    zeros = as_heard(sentences([fill(tr("pairfall::frmGameStats", "%1 %2"), caption, "0") for caption in labels[1:5]]),
                     "Total Games: 0. Total Wins: 0. Total Losses: 0. Avg Number of Cards Left: 0")
    expect_notification(mark, zeros, "Reset Game Stats")
    send("Escape")
    game.give_main_window_the_focus()


def open_about():
    mark = orca.mark()
    command("&Help", "&About %1...")
    title = tr("pairfall::frmAbout", "About %1").replace("%1", "Pairfall")
    game.wait_until("About", lambda: game.dialog() == title)
    window = next(w for w in game.children(game.program()) if w.getRoleName() == "dialog")
    texts = sentences([label.name for label in game.children(window) if label.getRoleName() == "label" and label.name])
    expect_speech(mark, lambda text: text.startswith(title) and text.endswith(texts), "About opening")
    send("Escape")
    game.give_main_window_the_focus()


def whole_game():
    game.check_start()
    tried_wrong, tried_back, restarted, box = False, False, False, None
    while box is None:
        values = [game.value(name) for name in game.names()]
        pair = game.wrong_pair(values)
        if not tried_back and pair:
            select(pair[0])
            select(pair[0], "not selected")
            tried_back = True
            read_table()
        elif not tried_wrong and pair and game.EMPTY not in game.names():
            wrong_pair(pair)
            tried_wrong = True
        if not restarted and game.cards_left() < 30:
            # A screen reader stopped and started again hears the same.
            orca.stop()
            orca.start()
            restarted = True
        move_list = [game.names().index(game.EMPTY)] if game.EMPTY in game.names() else game.play_left(values)
        if move_list is None:
            game.fail(f"no play is left but no message box is open: {game.names()}")
        box = play(move_list)
    mark = orca.mark()
    send("Return")  # Yes: a new game
    game.give_main_window_the_focus()
    expect_notification(mark, tr("Game", "Ready"), "the new game")
    read_table("Row 1: empty. Row 2: empty. Row 3: empty. Ready")
    open_game_stats_and_reset()
    open_about()
    return box[0]


def short_visit():
    game.wait_until("the table", lambda: game.program() is not None and len(game.slots()) == game.SLOTS)
    game.wait_until("slot 0 to have the focus", lambda: game.focused_slot() == 0)
    play([0])
    values = [game.value(name) for name in game.names()]
    if values[0] != game.TEN:
        select(0)
    read_table()
    open_game_stats_and_reset()
    return "short"


def main():
    orca.start()
    try:
        heard()
    finally:  # a failure or a fault of this script leaves no Orca running
        orca.stop()


def heard():
    subprocess.run(["xdotool", "windowfocus", "--sync", MAIN_WINDOW], check=True)
    ending = whole_game() if PLAN == "whole" else short_visit()
    no_notification_since(orca.mark(), "the last result")
    latencies = "; ".join(f"{kind} {statistics.median(times):.0f} ms median of {len(times)}"
                          for kind, times in ((k, figures[k]) for k in ("deal", "play", "select")) if times)
    if os.environ.get("PAIRFALL_SPEECH_TIMES"):  # bench/speech_latency.sh gathers them
        with open(os.environ["PAIRFALL_SPEECH_TIMES"], "a") as out:
            for kind in ("deal", "play", "select"):
                out.writelines(f"{kind} {ms:.1f}\n" for ms in figures[kind])
    print(f"Orca heard {figures['actions']} results, {figures['silent']} silent ({ending}); key to speech: {latencies}")


if __name__ == "__main__":
    main()
