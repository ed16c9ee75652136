"""What Pairfall must say for each result, in the player's language: the one
rule that the Linux screen-reader test (screen_reader.py, under Orca) and the
Windows one (windows_speech.py, under Wine) both hold the program to.  Pure:
it reads a table through four calls and knows no accessibility bus.

    names()         the twelve places' accessible names, left to right
    checked_slots() the selected places
    status_text()   the status line
    place(slot)     a place's description ("Row 2, place 3")
"""
import xml.etree.ElementTree as ElementTree

SLOTS = 12
COLUMNS = 4
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


def result_of_deals(table, dealt, focused):
    names = table.names()
    if len(dealt) == 1 and dealt[0] == focused:
        parts = [names[dealt[0]]]
    else:
        parts = [fill(tr("ResultSpeech", "%1: %2"), table.place(slot), names[slot]) for slot in dealt]
    return sentences(parts + [table.status_text()])


def table_summary(table):
    names, checked, rows = table.names(), table.checked_slots(), []
    for row in range(SLOTS // COLUMNS):
        places = ""
        for slot in range(row * COLUMNS, (row + 1) * COLUMNS):
            name = fill(tr("ResultSpeech", "%1 (selected)"), names[slot]) if slot in checked else names[slot]
            places = fill(tr("ResultSpeech", "%1; %2"), places, name) if places else name
        rows.append(fill(tr("ResultSpeech", "Row %1: %2"), row + 1, places))
    return sentences(rows + [table.status_text()])


def cleared_selection(table, slot):
    """The first card of a refused pair, its selection cleared after the rule message."""
    return fill(tr("ResultSpeech", "%1, %2"), fill(tr("ResultSpeech", "%1: %2"), table.place(slot), table.names()[slot]),
                tr("ResultSpeech", "not selected"))
