// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopTexts.h"

#include <QtGlobal>

namespace desktop_texts {
namespace {

// The contexts are written out in each line: lupdate reads only literals.
constexpr const char* Entry[] = {
    //: The program's name in menus and launchers; keep it unless your language
    //: writes it otherwise.
    QT_TRANSLATE_NOOP("DesktopEntry", "Voltaro Slots"),
    //: What kind of program it is, shown under or beside its name.
    QT_TRANSLATE_NOOP("DesktopEntry", "Slot Machine"),
    //: A line on what the program does, shown as its tooltip.
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Spin a three-wheel, five-payline slot machine with play money"),
    //: Words a launcher's search finds the game by, each one ended by a
    //: semicolon with no space after it.
    QT_TRANSLATE_NOOP("DesktopEntry", "slot;slots;casino;fruit machine;reels;"),
};

constexpr const char* Metainfo[] = {
    //: The one-line summary under the name in a software centre.
    QT_TRANSLATE_NOOP("Metainfo", "Spin a three-wheel, five-payline slot machine with play money"),
    //: The first paragraph of the description in a software centre.
    QT_TRANSLATE_NOOP("Metainfo",
                      "A three-wheel slot machine with five paylines. Bet one to twenty-five "
                      "coins, spin, and every payline pays by the pay table in proportion to its "
                      "coins."),
    QT_TRANSLATE_NOOP("Metainfo",
                      "Every Voltaro symbol charges the power meter and every Power Drain symbol "
                      "halves it; at 100% the machine pays its progressive bonus pool and plays "
                      "seven free spins. Credits can be borrowed and paid back, eight games saved "
                      "in named slots, and the coin value, spin speed, background, sounds and "
                      "MIDI playlist chosen."),
    QT_TRANSLATE_NOOP("Metainfo", "All money in the game is play money."),
    //: The caption of the screenshot in a software centre.
    QT_TRANSLATE_NOOP("Metainfo", "The machine after a spin"),
};

}  // namespace

std::span<const char* const> EntryTexts() { return Entry; }
std::span<const char* const> MetainfoTexts() { return Metainfo; }

}  // namespace desktop_texts
