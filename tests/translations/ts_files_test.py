#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every language's .ts file against the program's texts, its glossary and
its help pages.

Fails on a text left untranslated, a text the sources hold that the file
lacks (the file was not brought up to date) or one they no longer hold, and a
translation that drops or invents a placeholder or loses the source's
keyboard accelerator, and a count standing in a sentence ("%1 free spins")
without the plural forms Qt's numerus messages give it. Then holds the translation and the help pages
(assets/help/*.<language>.HLP) to the glossary's term list
(translations/glossary-<language>.md): each listed text translated as listed,
no word the list rules out, a sound named alike in the menu and the sound
dialog, a dialog titled as the menu item that opens it, labels ending in a
colon, menu paths in the help that the menus have, and amounts written as the
windows write them.

usage: ts_files_test.py <lupdate> <source root> <ts file>...
"""
import glob
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

SOURCE_FOLDERS = ["app", "audio", "dialogs", "display", "game", "storage", "packaging"]
PLACEHOLDER = re.compile(r"%(\d)")
# A number of things in a sentence: it needs a numerus message (%n), whose
# forms say "1 free spin" and "2 free spins". Credits are an amount of money,
# not a count.
COUNTED = re.compile(r"%\d (?:(?:paid|free) )?(?:spins?|coins?|games?|plays?|lines?|loans?|"
                     r"pay-backs?|times|bonuses|songs?|symbols?|rows?|wheels?|slots?)\b")
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


def language_of(path):
    return ElementTree.parse(path).getroot().get("language", "")


def problems_of(path, sources_now):
    problems = []
    kept = messages(path)
    if language_of(path).startswith("en"):
        # English holds only the plural forms of the numerus messages.
        sources_now = {key: numerus for key, numerus in sources_now.items() if numerus}
    for (context, source), numerus in sorted(sources_now.items()):
        if not numerus and COUNTED.search(source):
            problems.append("a count without plural forms (tr with %%n and a number): %s: %r"
                            % (context, source))
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
        forms = translated_texts(translation, numerus)
        if numerus and (len(forms) < 2 or not all("%n" in form for form in forms)):
            problems.append("plural forms missing or without %%n: %s -> %r" % (where, forms))
        for text in forms:
            if not text.strip():
                problems.append("empty translation: " + where)
            elif sorted(set(PLACEHOLDER.findall(text))) != sorted(set(PLACEHOLDER.findall(source))):
                problems.append("placeholders differ: %s -> %r" % (where, text))
            elif ACCELERATOR.search(source) and not ACCELERATOR.search(text):
                problems.append("accelerator lost: %s -> %r" % (where, text))
            elif (text.strip() == source.strip() and is_english_wording(source)
                  and not language_of(path).startswith("en")):
                problems.append("left in English: " + where)
    return problems


# (menu item, sound dialog label): the label names the sound as the menu does.
SOUND_NAMES = [("Bonus", "Bonus Sound:"), ("Power Drain", "Count Down Sound"),
               ("Power Up", "Count Up Sound"), ("Lose", "Lose Sound:"), ("Win", "Win Sound:")]
# (menu item, (context, title) of the dialog it opens): the title starts with the item.
MENU_DIALOGS = [("Change WAVs", ("TSoundForm", "Change Sounds (WAV Files)")),
                ("Change Songs", ("TMusicForm", "Change MIDI Files]"))]
# Amounts as the windows write them: no group separator, and a non-breaking
# space between the figures and $, ¢ or %.
GROUPED_NUMBER = re.compile(r"\d[.,\u00a0\u202f ]\d{3}(?:,\d\d|\b(?=\s*\$))")
LOOSE_UNIT = re.compile(r"\d(?: ?)[$¢%]")
# French punctuation: a non-breaking space before : ; ! ? » and after «.
LOOSE_FRENCH_MARK = re.compile(r"(?: |(?<=[\w)\]]))[:;!?»]|«(?:\s(?<!\u00a0)|(?=\w))")


def plain(text):
    return " ".join(text.replace("\u00a0", " ").split())


def cell(text):
    text = text.strip()
    return text[1:-1] if len(text) > 1 and text[0] == text[-1] == "`" else text


def avoided_word(written):
    """A word or phrase to avoid, matched whole and with its capitals; a "…" at
    either end stands for the rest of a word there ("Geräusch…" also rules
    out "Geräusche", "…geräusch…" "Gewinngeräusch")."""
    core = re.escape(written.strip("…"))
    return re.compile(("" if written.startswith("…") else r"(?<!\w)") + core +
                      ("" if written.endswith("…") else r"(?!\w)"))


def glossary_lists(path):
    """The glossary's checked tables: rows of `context` | `source` | `translation`
    and rows of `words to avoid` (see avoided_word) | what to write instead."""
    terms, avoided = {}, []
    section = None
    with open(path, encoding="utf-8") as glossary:
        for line in glossary:
            if line.startswith("## "):
                section = "terms" if "<!-- terms -->" in line else \
                          "avoid" if "<!-- avoid -->" in line else None
                continue
            cells = line.strip().strip("|").split("|")
            if section is None or not line.startswith("|") or set(cells[0].strip()) <= set("-"):
                continue
            if section == "terms" and len(cells) == 3 and cells[0].strip().startswith("`"):
                terms[(cell(cells[0]), cell(cells[1]))] = cell(cells[2])
            elif section == "avoid" and len(cells) >= 2 and cells[0].strip().startswith("`"):
                avoided.append(cell(cells[0]))
    return terms, avoided


def help_texts(root, language):
    """Each help page's text, tags taken out, with its file name."""
    pages = {}
    for path in sorted(glob.glob(os.path.join(root, "assets", "help", "*.%s.HLP" % language))):
        with open(path, encoding="utf-8") as page:
            pages[os.path.basename(path)] = page.read()
    return pages


def page_text(page):
    return html.unescape(re.sub(r"<[^>]+>", " ", re.sub(r"<!--.*?-->", "", page, flags=re.S)))


def term_problems(ts_path, root):
    """The glossary's rules, held against the .ts file and the help pages."""
    language = re.sub(r"^voltaro_(.*)\.ts$", r"\1", os.path.basename(ts_path))
    glossary = os.path.join(os.path.dirname(ts_path), "glossary-%s.md" % language)
    if not os.path.exists(glossary):
        return ["no glossary: " + glossary]
    terms, avoided = glossary_lists(glossary)
    if not terms or not avoided:
        return ["%s: no term list or no list of words to avoid" % glossary]
    translated = {}
    for key, (translation, numerus) in messages(ts_path).items():
        if translation is not None:
            translated[key] = translated_texts(translation, numerus)[0]
    problems = []
    for key, wanted in sorted(terms.items()):
        if key not in translated:
            problems.append("glossary term not in the program: %s: %r" % key)
        elif plain(translated[key]) != plain(wanted):
            problems.append("not the glossary's term: %s: %r -> %r, not %r"
                            % (key + (translated[key], wanted)))
    menu = {source: text for (context, source), text in translated.items() if context == "Menus"}
    for item, label in SOUND_NAMES:
        shown = translated.get(("TSoundForm", label), "")
        name = menu.get(item, "").replace("&", "")
        if name.lower() not in shown.lower() or not shown.rstrip().endswith(":"):
            problems.append("sound dialog label %r reads %r: it names the menu's %r and ends "
                            "with a colon" % (label, shown, name))
    for item, key in MENU_DIALOGS:
        title, name = translated.get(key, ""), menu.get(item, "").replace("&", "")
        if not title.startswith(name):
            problems.append("dialog title %r does not start with its menu item %r" % (title, name))
    for (context, source), text in sorted(translated.items()):
        if source.rstrip().endswith(":") and not text.rstrip().endswith(":"):
            problems.append("label without its colon: %s: %r -> %r" % (context, source, text))

    pages = help_texts(root, language)
    if not pages:
        problems.append("no help pages for " + language)
    menu_names = {plain(text.replace("&", "")) for text in menu.values()}
    # A desktop entry's keywords are a list, not French prose.
    readable = [("%s: %r" % key, text) for key, text in translated.items()
                if not re.search(r"\w;\w", key[1])]
    readable += [(name, page_text(page)) for name, page in pages.items()]
    for name, page in pages.items():
        for path in re.findall(r"<b>([^<]*&gt;[^<]*)</b>", page):
            for step in html.unescape(path).split(">"):
                if plain(step) not in menu_names:
                    problems.append("%s: menu path %r: no menu item %r" % (name, path, plain(step)))
    for where, text in readable:
        for word in avoided:
            if avoided_word(word).search(text):
                problems.append("%s: %r, which the glossary rules out" % (where, word))
        for found in GROUPED_NUMBER.findall(text) + LOOSE_UNIT.findall(text):
            problems.append("%s: amount written %r" % (where, found))
        if language == "fr":
            for found in LOOSE_FRENCH_MARK.finditer(text):
                problems.append("%s: no non-breaking space at %r"
                                % (where, text[max(0, found.start() - 12):found.end() + 2]))
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
        sources_now = {key: numerus for key, (_, numerus) in messages(fresh).items()}
    failed = False
    for path in ts_files:
        problems = problems_of(path, sources_now)
        if not language_of(path).startswith("en"):
            problems += term_problems(path, root)
        print("%s: %d texts, %d problems" % (os.path.basename(path), len(messages(path)),
                                              len(problems)))
        for problem in problems:
            print("  " + problem)
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
