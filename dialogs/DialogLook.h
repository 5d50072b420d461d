// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <functional>

#include "CanvasWidget.h"

class QDialog;
class QWidget;

// The classic colours of the dialogs' text.
namespace dialog_colours {
inline const QColor Red{0xFF, 0x00, 0x00};
inline const QColor White{0xFF, 0xFF, 0xFF};
inline const QColor Blue{0x00, 0x00, 0xFF};
inline const QColor Fuchsia{0xFF, 0x00, 0xFF};
inline const QColor Green{0x00, 0x80, 0x00};
inline const QColor Black{0x00, 0x00, 0x00};
}  // namespace dialog_colours

// The dialogs' face at a size in pixels.
QFont DialogPixelFont(int pixelSize, bool bold = false);

// The one set-up of every dialog of the game: fixed size with a close box
// only, the classic palette, centred on the screen whenever it is shown, and
// F1 opening the given help topic (0: the owner's topic).
void SetUpFixedDialog(QDialog& dialog, QSize clientSize, int helpContext);

// Centres a top-level window on the screen it is on.
void CentreOnScreen(QWidget& window);

// Sets a widget's text colour.
void SetTextColour(QWidget& widget, const QColor& colour);

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
