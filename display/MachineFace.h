// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <optional>
#include <string>

#include "Background.h"
#include "CanvasWidget.h"
#include "FaceDescription.h"
#include "FaceLayout.h"
#include "GameState.h"
#include "MachineView.h"
#include "Wheels.h"

// The painted machine face above the button panel: wheels, readouts,
// captions, payline lamps, paylines and the power meter, drawn from the
// game state. The rules draw on it through FaceView.
//
// The face fills the client area above the 57-px button panel; its layout
// counts the panel in the client height.
class MachineFace : public CanvasWidget, public FaceView {
  Q_OBJECT

 public:
  // The face only reads the game; what it shows is worked out from it.
  explicit MachineFace(const GameState& state, QWidget* parent = nullptr);

  // Symbol size and art. LoadSymbolArt makes fresh reel bitmaps and loads
  // the art file for the current size from the program's folder; on failure
  // the wheels show no symbols and the error text is returned for a box.
  int SymbolSize() const { return symbolSize_; }
  void SetSymbolSize(int symbolSize);
  std::optional<QString> LoadSymbolArt(const QString& programDir);
  // Installs art made elsewhere (tests, benchmarks); fresh reel bitmaps.
  void SetSymbolArt(const QImage& art);
  const QImage& SymbolArt() const { return symbolArt_; }

  void SetBackground(const Background& background);
  const Background& CurrentBackground() const { return background_; }

  // The layout of the last full paint (or of the current size before any).
  const FaceLayout& Layout() const { return layout_; }

  // FaceView.
  void DrawMoneyReadout(MoneyReadout which, double value) override;
  void DrawCountReadout(CountReadout which, int value) override;
  void DrawLineLamps(int coins) override;
  void DrawPayline(int index) override;
  void DrawPowerMeter(bool rising) override;
  void RepaintMachine() override;  // full paint, shown now
  void ShowWheels(const std::array<int, 3>& positions) override;

  // The wager the face shows (the coins on the table, or the last bet while
  // none are), dealt over the five lines as its lamps light.
  std::array<double, 5> ShownLineBets() const;

  // Timer3's blinking step: flips the phase and redraws every Voltaro cell
  // of the window, then the winning paylines over them.
  void Blink();
  bool BlinkPhase() const { return blinkPhase_; }

  // The whole face into the canvas, without showing it.
  void FormPaint();

  // What a screen reader reads as the face's description: the readouts, the
  // symbols on the middle row, the lines that pay and the last result.
  QString Description() const;

  // Called once a spin has settled and its win is counted: raises the
  // face's description-changed event, so a screen reader speaks the result
  // (the win and its lines, or none; the bonus; the free spins left), and
  // returns that text. Description() then ends with the same result.
  QString AnnounceResult();

 protected:
  void PaintCanvas() override { FormPaint(); }
  // A new screen ratio: the art for it and a full paint.
  void CanvasRatioChanged() override;

 private:
  void UpdateLayout();
  void PaintReadouts();
  void PaintLeftColumn();
  void ShowWheel(int wheel, int position);
  // Whether wheel w's window still shows that position as ShowWheel left it.
  bool WheelStillShows(int wheel, int position) const;
  // The readouts as last drawn, with the meter, free spins, symbols, lines
  // and last play of the game.
  FaceReadings CurrentReadings() const;
  // Keyboard focus and the screen reader's view of the face.
  void SetUpAccess();

  const GameState& state_;
  Background background_;
  int symbolSize_ = 96;
  QImage symbolArt_;
  ReelBitmaps reels_;
  // What each wheel's window was last drawn with, and the canvas's change
  // count just after the last ShowWheels: a wheel that has not moved since
  // need not be drawn again.
  struct ShownWheel {
    int place = -1;
    std::string strip;
    qint64 art = 0;
    int symbolSize = 0;
  };
  std::array<ShownWheel, 3> shownWheels_;
  std::uint64_t changesAfterWheels_ = 0;
  FaceLayout layout_;
  bool blinkPhase_ = true;
  FaceReadings readings_;
  // Where the art was last read from, to read it again for a new ratio.
  std::optional<QString> artDir_;
};
