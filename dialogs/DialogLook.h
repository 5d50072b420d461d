// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QSize>
#include <functional>

#include "CanvasWidget.h"

class QAbstractButton;
class QDialog;
class QWidget;

class QPalette;

// The colours of the dialogs' text. Text on the grey face keeps a contrast
// of 4.5:1 or more with room to spare (6:1), as a label's smoothed edges
// read lighter than its colour: its red is a deep one. The payoff chart's column
// headings are the colours of the LED digits below them, shown like them on
// black (LedPlate).
namespace dialog_colours {
inline const QColor Red{0x80, 0x00, 0x00};
inline const QColor Black{0x00, 0x00, 0x00};
inline const QColor LedPlate{0x00, 0x00, 0x00};
inline const QColor LedRed{0xFF, 0x00, 0x00};
inline const QColor LedWhite{0xFF, 0xFF, 0xFF};
inline const QColor LedCyan{0x00, 0xFF, 0xFF};
inline const QColor LedMagenta{0xFF, 0x00, 0xFF};
inline const QColor LedGreen{0x00, 0xFF, 0x00};
}  // namespace dialog_colours

// The game's one look, whatever the desktop theme: the classic light grey of
// the machine with black text, for the main window, its menus and buttons,
// every dialog and the help window. The machine face is painted in these
// colours too, so a second look (the theme's around a classic face) would
// put light theme text on grey; one palette keeps every text readable.
QPalette ClassicPalette();

// Gives the classic palette to the menus a widget holds now and later (such
// as the menu bar's overflow menu): a menu is a window of its own and takes
// no palette from its owner.
void KeepMenusClassic(QWidget& owner);

// Gives the classic palette to every window the program opens that brings
// no palette of its own: Qt's message boxes, input, file and colour dialogs,
// their pop-ups and the tooltips. The desktop theme's palette (a dark one
// too) would otherwise show them in a second look beside the game's.
void KeepEveryWindowClassic();

// The dialogs' face at a size in pixels.
QFont DialogPixelFont(int pixelSize, bool bold = false);

// The one set-up of every dialog of the game: fixed size with a close box
// only, the classic palette, centred on the screen whenever it is shown, and
// F1 opening the given help topic (0: the owner's topic).
void SetUpFixedDialog(QDialog& dialog, QSize clientSize, int helpContext);

// Centres a top-level window on the screen it is on.
void CentreOnScreen(QWidget& window);

// Lets the arrow keys move the choice within a group of exclusive buttons
// in every direction, wrapping round: Qt moves only towards a button that
// lies that way on the screen, so Down did nothing in a row of choices.
void LetArrowsMoveInGroup(const QList<QAbstractButton*>& group);

// Sets a widget's text colour.
void SetTextColour(QWidget& widget, const QColor& colour);
// Sets a label's text colour on a background of its own.
void SetTextColours(QWidget& widget, const QColor& text, const QColor& background);

// A canvas whose full paint is a function of its owner: the dialogs paint
// their LED readouts and pictures here and lay their controls on top.
class PaintedSurface : public CanvasWidget {
 public:
  PaintedSurface(QWidget* parent, std::function<void()> paint)
      : CanvasWidget(parent), paint_(std::move(paint)) {}

  // Paints the whole canvas now and shows it.
  void Repaint() {
    paint_();
    ShowAll();
  }

 protected:
  void PaintCanvas() override { paint_(); }

 private:
  std::function<void()> paint_;
};
