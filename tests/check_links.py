#!/usr/bin/env python3
"""Checks the README and the pages in docs/.

  check_links.py links ROOT
      Every relative Markdown link and picture in ROOT/README.md and in the
      .md files under ROOT/docs/ points to a file or folder that exists, and
      where it names a #heading, the .md file it points to has a heading with
      that anchor (GitHub's: lowercase, spaces to '-', punctuation other than
      '-' and '_' dropped, a repeated heading's anchor numbered -1, -2, ...).
      Web addresses (http, https, mailto) are not followed.

  check_links.py readme ROOT
      ROOT/README.md is the front door: at most 250 lines, and its Quick start
      names the two commands, scripts/play and scripts/test.
"""
import re
import sys
import unicodedata
from pathlib import Path
from urllib.parse import unquote

README_MOST_LINES = 250
QUICK_START_COMMANDS = ("scripts/play", "scripts/test")

FENCE = re.compile(r"^ {0,3}(`{3,}|~{3,})")
HEADING = re.compile(r"^ {0,3}#{1,6}[ \t]+(.*?)(?:[ \t]+#+)?[ \t]*$")
CODE_SPAN = re.compile(r"(`+)(?:(?!\1).)+?\1")
# [text](target) or ![text](target), with an optional "title".
LINK = re.compile(r"!?\[((?:[^\[\]]|\[[^\[\]]*\])*)\]\(\s*<?([^)\s>]*)>?(?:\s+\"[^\"]*\")?\s*\)")
WEB = re.compile(r"^(?:https?|mailto):", re.IGNORECASE)
SCHEME = re.compile(r"^[A-Za-z][A-Za-z0-9+.-]*:")


def lines_of(text):
    """Yields (line number, line, whether it is code) for each line: a fenced
    code block's fences and contents are code."""
    fence = None
    for number, line in enumerate(text.split("\n"), start=1):
        opening = FENCE.match(line.lstrip())
        if fence:
            if opening and opening.group(1)[0] == fence[0] and len(opening.group(1)) >= len(fence):
                fence = None
            yield number, line, True
        elif opening:
            fence = opening.group(1)
            yield number, line, True
        else:
            yield number, line, False


def headings_of(text):
    """Yields (line number, heading text) for each heading outside code."""
    for number, line, code in lines_of(text):
        heading = None if code else HEADING.match(line)
        if heading:
            yield number, heading.group(1)


def anchor_of(heading):
    text = LINK.sub(lambda link: link.group(1), heading)
    text = "".join(letter for letter in text.lower() if letter in " -_" or unicodedata.category(letter)[0] in "LMN")
    return text.replace(" ", "-")


def anchors_of(page):
    anchors = set()
    for _, heading in headings_of(page.read_text(encoding="utf-8")):
        anchor = anchor_of(heading)
        numbered, count = anchor, 0
        while numbered in anchors:
            count += 1
            numbered = f"{anchor}-{count}"
        anchors.add(numbered)
    return anchors


def links_of(page):
    """Yields (line number, target) for each link outside code."""
    for number, line, code in lines_of(page.read_text(encoding="utf-8")):
        if not code:
            for link in LINK.finditer(CODE_SPAN.sub("", line)):
                yield number, link.group(2)


def pages_of(root):
    return [root / "README.md", *sorted((root / "docs").rglob("*.md"))]


def problems_of_link(root, page, target):
    if WEB.match(target):
        return []
    if SCHEME.match(target):
        return [f"{target!r} is neither a web address nor a path in the repository"]
    path, _, anchor = target.partition("#")
    destination = (page.parent / unquote(path) if path else page).resolve()
    if path.startswith("/"):
        return [f"{target!r} is an absolute path: it points nowhere once the repository is elsewhere"]
    if not destination.exists():
        return [f"{target!r} points to {destination}, which does not exist"]
    if root.resolve() not in (destination, *destination.parents):
        return [f"{target!r} points outside the repository"]
    if not anchor:
        return []
    if destination.is_dir() or destination.suffix != ".md":
        return [f"{target!r} names a heading in {destination.name}, which has no headings"]
    if unquote(anchor) not in anchors_of(destination):
        return [f"{target!r}: {destination.name} has no heading with the anchor #{anchor}"]
    return []


def check_links(root):
    problems, count = [], 0
    for page in pages_of(root):
        if not page.is_file():
            problems.append(f"{page} is missing")
            continue
        for number, target in links_of(page):
            count += 1
            for problem in problems_of_link(root, page, target):
                problems.append(f"{page.relative_to(root)}:{number}: {problem}")
    for problem in problems:
        print(problem)
    if count == 0:
        print("FAILED: no link found in the README and docs/: the check would prove nothing")
        return 1
    print(f"{count} links checked in {len(pages_of(root))} pages, {len(problems)} broken")
    return 1 if problems else 0


def check_readme(root):
    text = (root / "README.md").read_text(encoding="utf-8")
    lines = text.removesuffix("\n").split("\n")
    problems = []
    if len(lines) > README_MOST_LINES:
        problems.append(f"README.md has {len(lines)} lines, more than {README_MOST_LINES}: move the details to docs/")
    headings = dict(headings_of(text))
    quick_start, inside = [], False
    for number, line, _ in lines_of(text):
        if number in headings:
            inside = anchor_of(headings[number]) == "quick-start"
        elif inside:
            quick_start.append(line)
    if not quick_start:
        problems.append("README.md has no Quick start")
    for command in QUICK_START_COMMANDS:
        if quick_start and not any(line.startswith(command) for line in quick_start):
            problems.append(f"README.md's Quick start does not name {command} at the start of a line")
    for problem in problems:
        print(problem)
    if not problems:
        print(f"README.md: {len(lines)} lines, the Quick start names {' and '.join(QUICK_START_COMMANDS)}")
    return 1 if problems else 0


def main(arguments):
    if len(arguments) == 2 and arguments[0] == "links":
        return check_links(Path(arguments[1]))
    if len(arguments) == 2 and arguments[0] == "readme":
        return check_readme(Path(arguments[1]))
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
