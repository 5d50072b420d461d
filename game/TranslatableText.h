// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text the player reads so that Qt's lupdate finds it; the rules have
// no Qt, so here the mark is the text itself. The window translates it with
// the same context where it shows it. Spelled exactly as Qt spells it, so a
// file that includes Qt after this header sees the same macro, not a
// conflicting one.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
