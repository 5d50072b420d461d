#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the game through the AT-SPI bus, as a screen reader does.

With no argument or a name, reads the machine face: prints one line, the
face's role, its description, and whether it is focusable and focused,
separated by " | ". The face is found by its name, "Slot machine" unless the
first argument names it in another language.

With "--window TITLE", reads the game's window of that title: prints one
line per button, image or field that has no name ("unnamed ROLE"), one per
name that two buttons share ("repeated push button 'NAME'"), then,
for each table in it, "table ROWSxCOLUMNS | HEADERS | FIRST ROW" with the
column headers and the cells of its first row joined by " ; ".

Fails when the game or what it looks for does not show up on the bus within
fifteen seconds.
"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


WINDOW_MODE = len(sys.argv) > 2 and sys.argv[1] == "--window"
FACE_NAME = sys.argv[1] if len(sys.argv) > 1 else "Slot machine"
WINDOW_NAME = sys.argv[2] if WINDOW_MODE else None
# What a player acts on or reads a picture of: each needs a name.
NAMED_ROLES = {"push button", "image", "text", "entry", "password text",
               "spin button", "combo box", "check box", "radio button",
               "toggle button"}


def find_node(node, name, depth=0):
    if node is None or depth > 3 and WINDOW_MODE:
        return None
    if node.get_name() == name:
        return node
    for index in range(node.get_child_count()):
        found = find_node(node.get_child_at_index(index), name, depth + 1)
        if found is not None:
            return found
    return None


def find_in_game(name):
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application is not None and application.get_name() == "Voltaro Slots":
            return find_node(application, name)
    return None


def wait_for(name):
    deadline = time.time() + 15
    while time.time() < deadline:
        try:
            found = find_in_game(name)
        except gi.repository.GLib.Error:
            found = None
        if found is not None:
            return found
        time.sleep(0.3)
    sys.exit(f"'{name}' did not show up on the accessibility bus")


def walk(node):
    yield node
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            yield from walk(child)


def read_table(table):
    rows = Atspi.Table.get_n_rows(table)
    columns = Atspi.Table.get_n_columns(table)
    headers = []
    for column in range(columns):
        header = Atspi.Table.get_column_header(table, column)
        headers.append(header.get_name() if header is not None else "")
    first = []
    for column in range(columns if rows > 0 else 0):
        cell = Atspi.Table.get_accessible_at(table, 0, column)
        first.append(cell.get_name() if cell is not None else "")
    return f"table {rows}x{columns} | {' ; '.join(headers)} | {' ; '.join(first)}"


def read_window(window):
    buttons = []
    for node in walk(window):
        role = node.get_role_name()
        if role in NAMED_ROLES and not node.get_name().strip():
            print(f"unnamed {role}")
        if role == "push button":
            buttons.append(node.get_name())
        if role == "table":
            print(read_table(node))
    for name in sorted({name for name in buttons if name and buttons.count(name) > 1}):
        print(f"repeated push button '{name}'")


if WINDOW_MODE:
    read_window(wait_for(WINDOW_NAME))
    sys.exit(0)

face = wait_for(FACE_NAME)

states = face.get_state_set()
print(" | ".join([
    face.get_role_name(),
    face.get_description(),
    "focusable" if states.contains(Atspi.StateType.FOCUSABLE) else "not focusable",
    "focused" if states.contains(Atspi.StateType.FOCUSED) else "not focused",
]))
