#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the machine face through the AT-SPI bus, as a screen reader does.

Prints one line: the face's role, its description, and whether it is
focusable and focused, separated by " | ". Fails when the game or its face
does not show up on the bus within fifteen seconds. The face is found by its
name, "Slot machine" unless the first argument names it in another language.
"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


FACE_NAME = sys.argv[1] if len(sys.argv) > 1 else "Slot machine"


def find_face(node):
    if node is None:
        return None
    if node.get_name() == FACE_NAME:
        return node
    for index in range(node.get_child_count()):
        found = find_face(node.get_child_at_index(index))
        if found is not None:
            return found
    return None


def face_of_game():
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application is not None and application.get_name() == "Voltaro Slots":
            return find_face(application)
    return None


deadline = time.time() + 15
face = None
while face is None and time.time() < deadline:
    try:
        face = face_of_game()
    except gi.repository.GLib.Error:
        face = None
    if face is None:
        time.sleep(0.3)
if face is None:
    sys.exit("the face did not show up on the accessibility bus")

states = face.get_state_set()
print(" | ".join([
    face.get_role_name(),
    face.get_description(),
    "focusable" if states.contains(Atspi.StateType.FOCUSABLE) else "not focusable",
    "focused" if states.contains(Atspi.StateType.FOCUSED) else "not focused",
]))
