#!/usr/bin/env python3
"""Checks the translation sources (.ts files).

  check_translations.py complete LANGUAGES_IN_1252 TS...
      Every message is translated and finished, none has vanished from the
      program, each translation keeps every placeholder (%1, %n) of its
      source text and adds none, and keeps its language's RULES and the
      rules of what is SPOKEN; each spoken message has a comment.  The
      source texts, and the translations of the languages in the comma-
      separated LANGUAGES_IN_1252, are all in Windows-1252: the dialogs show
      them in the bitmap "MS Sans Serif", which has no other letters.

  check_translations.py current LUPDATE SOURCES_FILE INCLUDE_DIR TS... -- OPTION...
      lupdate, run on copies over the program's sources, changes nothing:
      no text of the program is new or gone since the files were updated.
"""
import filecmp
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

PLACEHOLDER = re.compile(r"%(?:[1-9]|n)")

# What a language asks of its texts (of one context's, or of all): a
# pattern no translation may contain, and what it breaks.
SELECTED_FOLLOWS_EVERY_CARD = "follows every card's name, of either gender: not the feminine"
RULES = {
    "fr": [(None, re.compile(r"[^\u00a0\u202f][:;?!]"), "wants a no-break space before : ; ? !"),
           ("ResultSpeech", re.compile(r"sélectionnée"), SELECTED_FOLLOWS_EVERY_CARD)],
    "nl": [("CardNames", re.compile(r"\s"), "is a card's name, one word in Dutch")],
    "es": [("ResultSpeech", re.compile(r"seleccionada"), SELECTED_FOLLOWS_EVERY_CARD)],
    "it": [("ResultSpeech", re.compile(r"selezionata"), SELECTED_FOLLOWS_EVERY_CARD)],
    "pt_BR": [("ResultSpeech", re.compile(r"selecionada"), SELECTED_FOLLOWS_EVERY_CARD)],
    "pl": [("ResultSpeech", re.compile(r"zaznaczon[aey]"), "follows every card's name: a form without gender")],
}
# What every language asks: Game Stats' captions are spoken too.
SPOKEN = [("pairfall::frmGameStats", re.compile(r"[.()Ø⌀]"), "is spoken too: no abbreviation or symbol")]
# Where a translator must be told how the text is heard.
COMMENTED = ("ResultSpeech", "CardNames")


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text or "")))


def outside_1252(text):
    return sorted({letter for letter in text or "" if not letter.encode("cp1252", "ignore")})


def problems_of(ts_file, languages_in_1252):
    problems = []
    root = ElementTree.parse(ts_file).getroot()
    rules = RULES.get(root.get("language"), []) + SPOKEN
    in_1252 = root.get("language") in languages_in_1252
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            where = f"{ts_file.name}: {name}: {source!r}"
            if name in COMMENTED and not message.findtext("extracomment"):
                problems.append(f"{where} has no translator comment saying how it is heard")
            if outside_1252(source):
                problems.append(f"{where} has letters outside Windows-1252: {outside_1252(source)}")
            translation = message.find("translation")
            kind = translation.get("type")
            if kind:
                problems.append(f"{where} is {kind}")
            forms = translation.findall("numerusform")
            texts = [form.text for form in forms] if message.get("numerus") == "yes" else [translation.text]
            for text in texts:
                if not text:
                    problems.append(f"{where} has an empty translation")
                elif placeholders(text) != placeholders(source):
                    problems.append(f"{where}: {text!r} has {placeholders(text)}, the source {placeholders(source)}")
                if in_1252 and outside_1252(text):
                    problems.append(f"{where}: {text!r} has letters outside Windows-1252: {outside_1252(text)}")
                for only, pattern, rule in rules:
                    if text and only in (None, name) and pattern.search(text):
                        problems.append(f"{where}: {text!r} {rule}")
    return problems


def check_complete(languages_in_1252, ts_files):
    problems = [problem for ts_file in ts_files for problem in problems_of(Path(ts_file), languages_in_1252.split(","))]
    for problem in problems:
        print(problem)
    return 1 if problems else 0


def check_current(lupdate, sources_file, include_dir, ts_files, options):
    sources = Path(sources_file).read_text().split(";")
    stale = []
    with tempfile.TemporaryDirectory() as folder:
        for ts_file in map(Path, ts_files):
            copy = Path(folder) / ts_file.name
            shutil.copyfile(ts_file, copy)
            subprocess.run([lupdate, "-I", include_dir, *options, *sources, "-ts", str(copy)], check=True)
            if not filecmp.cmp(ts_file, copy, shallow=False):
                stale.append(ts_file.name)
    for name in stale:
        print(f"{name} is not current with the program's texts: build the target pairfall_lupdate and translate what it adds")
    return 1 if stale else 0


def main(arguments):
    if arguments[:1] == ["complete"] and len(arguments) > 1:
        return check_complete(arguments[1], arguments[2:])
    if arguments[:1] == ["current"] and "--" in arguments:
        split = arguments.index("--")
        lupdate, sources_file, include_dir, *ts_files = arguments[1:split]
        return check_current(lupdate, sources_file, include_dir, ts_files, arguments[split + 1 :])
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
