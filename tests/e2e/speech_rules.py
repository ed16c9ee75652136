"""What Pairfall must say for each result, in the player's language: the one
rule that the Linux screen-reader test (screen_reader.py, under Orca) and the
Windows one (windows_speech.py, under Wine) both hold the program to.  Pure:
it reads a table through three calls and knows no accessibility bus.

    names()         the twelve places' accessible names, left to right
    checked_slots() the selected places
    status_text()   the status line
"""
import xml.etree.ElementTree as ElementTree

from game_rules import COLUMNS, SLOTS

TRANSLATIONS = {}


def load_translations(ts_file):
    """The texts of a .ts file; "-" is English, the source texts."""
    TRANSLATIONS.clear()
    if ts_file != "-":
        for context in ElementTree.parse(ts_file).getroot().iter("context"):
            for message in context.iter("message"):
                TRANSLATIONS[(context.findtext("name"), message.findtext("source"))] = message.findtext("translation")
    return TRANSLATIONS


def tr(context, source):
    return TRANSLATIONS.get((context, source)) or source


def fill(template, *values):
    for i, text in enumerate(values, 1):
        template = template.replace(f"%{i}", str(text), 1)
    return template


def sentences(parts):
    joined = ""
    for part in parts:
        joined = fill(tr("Announcer", "%1. %2"), joined, part) if joined else part
    return joined


def card_with_place(table, slot):
    """A card, then its place: "Six of Hearts, row 2, place 3"."""
    return fill(tr("ResultSpeech", "%1, row %2, place %3"), table.names()[slot], slot // COLUMNS + 1, slot % COLUMNS + 1)


def result_of_deals(table, dealt, focused):
    names = table.names()
    if len(dealt) == 1 and dealt[0] == focused:
        parts = [names[dealt[0]]]
    else:
        parts = [card_with_place(table, slot) for slot in dealt]
    return sentences(parts + [table.status_text()])


def table_summary(table):
    """A row of four empty places in a word, an empty place among cards in one."""
    names, checked, rows = table.names(), table.checked_slots(), []
    empty = tr("Game", "Empty place")
    for row in range(SLOTS // COLUMNS):
        row_slots = range(row * COLUMNS, (row + 1) * COLUMNS)
        if all(names[slot] == empty for slot in row_slots):
            rows.append(fill(tr("ResultSpeech", "Row %1: empty"), row + 1))
            continue
        places = ""
        for slot in row_slots:
            name = tr("ResultSpeech", "empty") if names[slot] == empty else names[slot]
            name = fill(tr("ResultSpeech", "%1 (selected)"), name) if slot in checked else name
            places = fill(tr("ResultSpeech", "%1; %2"), places, name) if places else name
        rows.append(fill(tr("ResultSpeech", "Row %1: %2"), row + 1, places))
    return sentences(rows + [table.status_text()])


def cleared_selection(table, slot):
    """The first card of a refused pair, its selection cleared after the rule message."""
    return fill(tr("ResultSpeech", "%1, %2"), card_with_place(table, slot), tr("ResultSpeech", "not selected"))
