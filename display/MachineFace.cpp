// SPDX-License-Identifier: GPL-3.0-or-later
#include "MachineFace.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "Bevel.h"
#include "Blit.h"
#include "FaceAccessible.h"
#include "FaceParts.h"
#include "Fonts.h"
#include "LabelBox.h"
#include "LedText.h"
#include "Money.h"
#include "Palette.h"
#include "Paylines.h"
#include "Reels.h"
#include "SymbolArt.h"

using blit::Edges;

namespace {

constexpr int BoxWidth = 144;
constexpr int PaylinesBoxHeight = 134;
constexpr int PowerBoxHeight = 246;
// Under the power meter: what a full meter gives besides the pool.
QString FreeSpinsNote() { return QStringLiteral("Plus %1 FREE Spins").arg(FreeSpinsPerBonus); }

// The wager the face shows: the coins on the table, or the last bet while
// none are.
double ShownWager(const GameState& state) {
  return money::IsZero(state.Wager) && state.LastBet > 0 ? state.LastBet : state.Wager;
}

}  // namespace

MachineFace::MachineFace(const GameState& state, QWidget* parent)
    : CanvasWidget(parent), state_(state) {
  SetUpAccess();
  UpdateLayout();
  FollowScreenRatio();
}

void MachineFace::SetUpAccess() {
  FaceAccessible::Install();
  //: What a screen reader calls the painted machine.
  setAccessibleName(tr("Slot machine"));
  // Reached by Tab, so a screen reader can rest on it; a click leaves the
  // focus on the buttons, where the keys work.
  setFocusPolicy(Qt::TabFocus);
}

std::array<double, 5> MachineFace::ShownLineBets() const {
  return DealtLineBets(ShownWager(state_), state_.CoinValue);
}

void MachineFace::SetSymbolSize(int symbolSize) {
  symbolSize_ = symbolSize;
  UpdateLayout();
}

std::optional<QString> MachineFace::LoadSymbolArt(const QString& programDir) {
  artDir_ = programDir;
  reels_ = {};
  return LoadSymbolArtFile(programDir, symbolSize_, CanvasRatio(), symbolArt_);
}

void MachineFace::SetSymbolArt(const QImage& art) {
  reels_ = {};
  symbolArt_ = art.convertToFormat(QImage::Format_RGB32);
}

void MachineFace::CanvasRatioChanged() {
  // Art read from a folder is read again for the new ratio; art installed
  // directly keeps its own and is scaled as it is drawn.
  if (artDir_) LoadSymbolArt(*artDir_);
  if (isVisible()) RepaintMachine();
}

void MachineFace::SetBackground(const Background& background) {
  background_ = background;
  // Kept in the canvas's own format so tiling is a plain block copy.
  if (!background_.Picture.isNull())
    background_.Picture = background_.Picture.convertToFormat(QImage::Format_RGB32);
}

void MachineFace::UpdateLayout() {
  layout_ = FaceLayout::Compute(width(), height() + PanelHeight, symbolSize_);
}

void MachineFace::DrawMoneyReadout(MoneyReadout which, double value) {
  const int r = layout_.ReadoutRight;
  const int m = layout_.ReadoutMargin;
  int x = r;
  int y = layout_.RowCredits;
  switch (which) {
    case MoneyReadout::Credits:
      break;
    case MoneyReadout::Wager:
      y = layout_.RowWager;
      break;
    case MoneyReadout::Won:
      y = layout_.RowWon;
      break;
    case MoneyReadout::Bonus:
      x = m + 105;
      y = layout_.RowWager + symbolSize_ + 56;
      break;
  }
  // A count-up draws a readout every few milliseconds: like a wheel step,
  // it goes straight to the window.
  ShowBatch batch(*this, ShowRoute::StraightToWindow);
  // Amounts of eleven characters or more are squeezed into the box.
  DrawLedTextWithin(*this, MoneyText(value), x, y, false, LedRed, symbolSize_, LedMoneyWidth);
  readings_.money[static_cast<std::size_t>(which)] = value;
}

FaceReadings MachineFace::CurrentReadings() const {
  // The readouts as drawn; the rest read from the game when asked for, so
  // the symbols and lines are those of the window shown.
  FaceReadings readings = readings_;
  readings.power = state_.PowerPts;
  readings.freeSpinsLeft = state_.FreeSpins;
  for (int wheel = 0; wheel < 3; ++wheel)
    readings.middleRow[static_cast<std::size_t>(wheel)] =
        state_.Window[static_cast<std::size_t>(wheel * 3 + 1)];
  for (int line = 0; line < LineCount; ++line)
    if (state_.LinePay[static_cast<std::size_t>(line)] > 0)
      readings.payingLines |= static_cast<std::uint8_t>(1u << line);
  const auto& plays = state_.History.Plays();
  if (!plays.empty()) readings.lastPlay = plays.front();
  return readings;
}

QString MachineFace::Description() const { return FaceDescription(CurrentReadings()); }

QString MachineFace::AnnounceResult() {
  const QString said = ResultAnnouncement(CurrentReadings());
  QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&changed);
  return said;
}

void MachineFace::DrawCountReadout(CountReadout which, int value) {
  const int m = layout_.ReadoutMargin;
  switch (which) {
    // A count read from a hand-edited file may run to ten or eleven
    // characters; like an amount, it is squeezed into the box.
    case CountReadout::Spins:
      DrawLedTextWithin(*this, CountText(value, 8), m + 105, layout_.RowCredits, false, LedRed,
                        symbolSize_, LedMoneyWidth);
      break;
    case CountReadout::FreeSpinsPlayed:
      DrawLedTextWithin(*this, CountText(value, 8), m + 105, layout_.RowCredits, false, LedCyan,
                        symbolSize_, LedMoneyWidth);
      break;
    case CountReadout::SpinFree:
      DrawLedText(*this, CountText(value, 1), m + 42, layout_.RowWon, false, LedRed, symbolSize_);
      break;
  }
  if (which != CountReadout::SpinFree) readings_.spins = value;
}

void MachineFace::DrawLineLamps(int coins) { ::DrawLineLamps(*this, layout_, state_, coins); }

void MachineFace::DrawPayline(int index) { ::DrawPayline(*this, layout_, index); }

void MachineFace::DrawPowerMeter(bool rising) { ::DrawPowerMeter(*this, layout_, state_, rising); }

void MachineFace::RepaintMachine() {
  ShowBatch batch(*this);
  FormPaint();
  ShowAll();
}

void MachineFace::ShowWheel(int wheel, int position) {
  const std::string& strip = StripOfWheel(state_, wheel);
  if (!DrawWheelInWindow(*this, layout_, wheel, symbolArt_, strip, position)) {
    auto& reel = reels_[static_cast<std::size_t>(wheel)];
    RenderWheel(reel, symbolArt_, strip, position, symbolSize_);
    PutWheelOnScreen(*this, layout_, wheel, reel);
  }
  ShownWheel& shown = shownWheels_[static_cast<std::size_t>(wheel)];
  shown.place = ((position % WheelPositions) + WheelPositions) % WheelPositions;
  shown.strip = strip;
  shown.art = symbolArt_.cacheKey();
  shown.symbolSize = symbolSize_;
}

bool MachineFace::WheelStillShows(int wheel, int position) const {
  const ShownWheel& shown = shownWheels_[static_cast<std::size_t>(wheel)];
  return CanvasChanges() == changesAfterWheels_ &&
         shown.place == ((position % WheelPositions) + WheelPositions) % WheelPositions &&
         shown.strip == StripOfWheel(state_, wheel) && shown.art == symbolArt_.cacheKey() &&
         shown.symbolSize == symbolSize_;
}

void MachineFace::ShowWheels(const std::array<int, 3>& positions) {
  // A wheel that has stopped (or whose blur drew the same place again) is
  // left alone: its window shows those very pixels already, and a step that
  // moves no wheel sends nothing to the screen.
  std::array<bool, 3> still{};
  for (int wheel = 0; wheel < 3; ++wheel)
    still[static_cast<std::size_t>(wheel)] =
        WheelStillShows(wheel, positions[static_cast<std::size_t>(wheel)]);
  {
    ShowBatch batch(*this, ShowRoute::StraightToWindow);
    for (int wheel = 0; wheel < 3; ++wheel)
      if (!still[static_cast<std::size_t>(wheel)])
        ShowWheel(wheel, positions[static_cast<std::size_t>(wheel)]);
  }
  // Counted once the step is on the screen: a full paint it caused counts.
  changesAfterWheels_ = CanvasChanges();
}

void MachineFace::Blink() {
  ShowBatch batch(*this);
  blinkPhase_ = !blinkPhase_;
  const auto& window = state_.Window;
  const bool drain = std::find(window.begin(), window.end(), PowerDrainSymbol) != window.end();
  const int s = symbolSize_;
  // Art cell 0 is the symbol itself; 7 and 8 its two alternates, 8 the one
  // that shows the meter under threat.
  const QRect picture = blinkPhase_ ? QRect(0, 0, s - 1, s - 1)
                        : drain     ? QRect(2 * s, 2 * s, s - 1, s - 1)
                                    : QRect(s, 2 * s, s - 1, s - 1);
  for (int i = 0; i < 9; ++i) {
    if (window[static_cast<std::size_t>(i)] != VoltaroSymbol) continue;
    const QRect cell = layout_.CellRect(i / 3, i % 3);
    blit::Copy(Canvas(), cell.topLeft(), symbolArt_, picture);
    ShowRect(QRect(cell.topLeft(), QSize(s - 1, s - 1)));
  }
  for (int line = 0; line < LineCount; ++line)
    if (state_.LinePay[static_cast<std::size_t>(line)] > 0) DrawPayline(line);
}

void MachineFace::FormPaint() {
  ShowBatch batch(*this);
  UpdateLayout();
  const FaceLayout& f = layout_;
  const int s = f.SymbolSize;
  const int l = f.ReelLeft;
  const int t = f.ReelTop;
  QImage& canvas = Canvas();

  PaintBackground(canvas, background_);

  // The grey reel panel with its raised frame.
  blit::Fill(canvas, Edges(l - 8, t - 8, l + 3 * s + 27, t + 3 * s + 9), palette::ButtonFace.rgb());
  DrawBevel(*this, l - 6, t - 6, l + 3 * s + 24, t + 3 * s + 6, BevelNarrowRaised);

  // Paylines first, so the wheels cover them where they cross the windows.
  for (int line = 0; line < LineCount; ++line) ::DrawPayline(*this, f, line);

  for (int wheel = 0; wheel < 3; ++wheel) {
    const int left = l + wheel * (s + 9);
    DrawBevel(*this, left, t, left + s - 1, t + 3 * s - 1, BevelNarrowSunken);
    ShowWheel(wheel, state_.Stops[static_cast<std::size_t>(wheel)]);
  }

  PaintReadouts();
  PaintLeftColumn();

  // Winning lines over the symbols.
  for (int line = 0; line < LineCount; ++line)
    if (state_.LinePay[static_cast<std::size_t>(line)] > 0) ::DrawPayline(*this, f, line);
}

void MachineFace::PaintReadouts() {
  const FaceLayout& f = layout_;
  const int r = f.ReadoutRight;
  const int m = f.ReadoutMargin;
  const double wager = ShownWager(state_);

  DrawLabelBox(*this, QStringLiteral("CREDITS"), r - 125, f.RowCredits - 26, BoxWidth, 0,
               symbolSize_);
  DrawMoneyReadout(MoneyReadout::Credits, state_.Credits);
  DrawLabelBox(*this, QStringLiteral("WAGER"), r - 125, f.RowWager - 26, BoxWidth, 0, symbolSize_);
  DrawMoneyReadout(MoneyReadout::Wager, wager);
  DrawLabelBox(*this, QStringLiteral("WON"), r - 125, f.RowWon - 26, BoxWidth, 0, symbolSize_);
  DrawMoneyReadout(MoneyReadout::Won, state_.WinAmount);

  DrawLabelBox(*this, QStringLiteral("SPINS"), m - 20, f.RowCredits - 26, BoxWidth, 0, symbolSize_);
  DrawCountReadout(CountReadout::Spins, state_.Spins);

  DrawLabelBox(*this, QStringLiteral("PAYLINES"), r - 125, f.RowLines - 26, BoxWidth,
               PaylinesBoxHeight, symbolSize_);
  for (int k = 0; k < LineCount; ++k)
    DrawLedText(*this, QString::number(k + 1), r - 114, f.RowLines + 2 + 20 * k, false, LedGreen,
                symbolSize_);

  DrawLineLamps(std::min(money::CoinsIn(wager, state_.CoinValue), MaxCoins));
}

void MachineFace::PaintLeftColumn() {
  const FaceLayout& f = layout_;
  const int m = f.ReadoutMargin;
  const int s = symbolSize_;

  if (state_.FreeSpins != 0) {
    DrawLabelBox(*this, QStringLiteral("SPIN FREE"), m - 20, f.RowWon - 26, BoxWidth, 0, s);
    DrawCountReadout(CountReadout::SpinFree, state_.FreeSpins);
    return;
  }

  DrawLabelBox(*this, QStringLiteral("POWER PCT"), m - 20, f.RowWager - 26 + (s - 96), BoxWidth,
               PowerBoxHeight, s);
  // A one-pixel rule with the caption under it, inside the POWER PCT box.
  DrawLabelBox(*this, QStringLiteral("BONUS"), m - 20, f.RowWager + s + 30, BoxWidth, 1, s);
  DrawMoneyReadout(MoneyReadout::Bonus, state_.BonusPool);

  const int wellLeft = s == 144 ? m + 19 : m + 32;
  const QRect well = Edges(wellLeft, f.RowWager + s - 87, wellLeft + 41, f.RowWager + s + 15);
  QImage& canvas = Canvas();
  blit::Fill(canvas, well, palette::ButtonShadow.rgb());
  blit::Fill(canvas, well.adjusted(1, 1, -1, -1), qRgb(0, 0, 0));
  ShowRect(well);
  DrawPowerMeter(true);

  const QFont font = FaceFont(8, false);
  const QFontMetrics metrics(font);
  const int centre = s == 144 ? m + 37 : m + 51;
  const QString note = FreeSpinsNote();
  const int width = metrics.horizontalAdvance(note);
  const int top = f.RowWager + s + 105;
  {
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(centre - width / 2, top + metrics.ascent(), note);
  }
  ShowRect(QRect(centre - width / 2, top, width, metrics.height()));
}
