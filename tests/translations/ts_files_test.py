#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every language's .ts file against the program's texts.

Fails on a text left untranslated, a text the sources hold that the file
lacks (the file was not brought up to date) or one they no longer hold, and a
translation that drops or invents a placeholder or loses the source's
keyboard accelerator.

usage: ts_files_test.py <lupdate> <source root> <ts file>...
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

SOURCE_FOLDERS = ["app", "audio", "dialogs", "display", "game", "storage", "packaging"]
PLACEHOLDER = re.compile(r"%(\d)")
# "&File" has one; "&&" is a literal ampersand and "& " a plain one.
ACCELERATOR = re.compile(r"&(?![&\s])")


def text_of(element):
    """An element's text with the characters lupdate writes as <byte value="xd"/>."""
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            value = child.get("value")
            parts.append(chr(int(value[1:], 16) if value.startswith("x") else int(value)))
        parts.append(child.tail or "")
    return "".join(parts)


def messages(path):
    """(context, source) -> (translation element, numerus) for every message."""
    found = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            found[(name, source)] = (message.find("translation"), message.get("numerus") == "yes")
    return found


def translated_texts(translation, numerus):
    if numerus:
        return [text_of(form) for form in translation.iter("numerusform")]
    return [text_of(translation)]


def is_english_wording(source):
    """Two words or more, not all capitalised: a name ("Voltaro Slots") or a
    symbol may stay as it is in another language; a sentence may not."""
    words = re.findall(r"[A-Za-z]{3,}", source)
    return len(words) > 1 and not all(word[0].isupper() for word in words)


def problems_of(path, sources_now):
    problems = []
    kept = messages(path)
    for key in sorted(set(sources_now) - set(kept)):
        problems.append("missing (run update_translations): %s: %r" % key)
    for key in sorted(set(kept) - set(sources_now)):
        problems.append("no longer in the sources: %s: %r" % key)
    for (context, source), (translation, numerus) in sorted(kept.items()):
        where = "%s: %r" % (context, source)
        kind = translation.get("type") if translation is not None else "missing"
        if translation is None or kind is not None:
            problems.append("not finished (%s): %s" % (kind, where))
            continue
        for text in translated_texts(translation, numerus):
            if not text.strip():
                problems.append("empty translation: " + where)
            elif sorted(set(PLACEHOLDER.findall(text))) != sorted(set(PLACEHOLDER.findall(source))):
                problems.append("placeholders differ: %s -> %r" % (where, text))
            elif ACCELERATOR.search(source) and not ACCELERATOR.search(text):
                problems.append("accelerator lost: %s -> %r" % (where, text))
            elif text.strip() == source.strip() and is_english_wording(source):
                problems.append("left in English: " + where)
    return problems


def main():
    lupdate, root, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    if not ts_files:
        print("no .ts files given")
        return 1
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, "fresh.ts")
        folders = [os.path.join(root, folder) for folder in SOURCE_FOLDERS]
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", *folders,
                        "-ts", fresh], check=True)
        sources_now = set(messages(fresh))
    failed = False
    for path in ts_files:
        problems = problems_of(path, sources_now)
        print("%s: %d texts, %d problems" % (os.path.basename(path), len(messages(path)),
                                              len(problems)))
        for problem in problems:
            print("  " + problem)
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
