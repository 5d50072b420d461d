// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>

#include "DialogServices.h"
#include "GameState.h"
#include "Settings.h"

class CanvasWidget;
class PaintedSurface;
class QLabel;
class QPushButton;

// The payoff chart: what every paying combination wins at the current coin
// value for one to five coins on a line. Made once at start and shown
// modally by the "Payoff Chart" button; it only reads the game.
class TPayoffs : public QDialog {
  Q_OBJECT

 public:
  // symbolSize reports the main window's current symbol size, which moves
  // the LED anchors as on the machine face.
  TPayoffs(const GameState& state, const Settings& settings, QString programDir,
           std::function<int()> symbolSize, DialogServices services, QWidget* parent = nullptr);
  ~TPayoffs() override;

  // Run at every showing: art, title, coin value and caption.
  void FormShow();
  // Redraws the pictures and the amounts into the canvas and shows them.
  void FormPaint();
  void Button1Click();

  // The 96-pixel art reduced to 24-pixel cells; empty when it could not load.
  const QImage& ChartArt() const { return chartArt_; }
  // The same cells at the chart's device-pixel ratio: on a scaled screen the
  // pictures are reduced from the 96-pixel art to the screen's own pixels
  // rather than blown up from the 24-pixel cells.
  const QImage& ChartArtAtRatio();
  // The off-screen image of the client area.
  CanvasWidget& Surface();

  // Column headings.
  QLabel* Label1 = nullptr;  // "1 Coin"
  QLabel* Label2 = nullptr;  // "2 Coins"
  QLabel* Label3 = nullptr;  // "3 Coins"
  QLabel* Label6 = nullptr;  // "4 Coins"
  QLabel* Label7 = nullptr;  // "5 Coins"
  QLabel* Memo1 = nullptr;   // the power meter rules
  QLabel* Label5 = nullptr;  // coin value
  QLabel* Label4 = nullptr;  // game title
  QPushButton* Button1 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void CreateHeadings();
  void PaintChart();
  void DrawSymbolRow(int x, int y, int symbol);
  void DrawSymbolIcon(int x, int y, int symbol);
  void DrawAmounts();

  const GameState& state_;
  const Settings& settings_;
  QString programDir_;
  std::function<int()> symbolSize_;
  DialogServices services_;
  PaintedSurface* surface_ = nullptr;
  QImage artSheet_;  // the 96-pixel art as read
  QImage chartArt_;
  QImage sharpArt_;  // chartArt_ at the canvas's ratio when it is not 1
};
