// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceLayout.h"

namespace {

int MarginFor(int symbolSize) {
  if (symbolSize == 144) return 40;
  if (symbolSize == 192) return 50;
  return 24;
}

}  // namespace

FaceLayout FaceLayout::Compute(int clientWidth, int clientHeight, int symbolSize) {
  FaceLayout layout;
  const int s = symbolSize;
  layout.ClientWidth = clientWidth;
  layout.ClientHeight = clientHeight;
  layout.SymbolSize = s;
  layout.ReelTop = (clientHeight - PanelHeight) / 2 - (3 * s + 2) / 2;
  layout.ReelLeft = clientWidth / 2 - (3 * s + 20) / 2;
  layout.ReadoutMargin = MarginFor(s);
  layout.ReadoutRight = clientWidth - layout.ReadoutMargin;
  layout.RowStep = s / 10 + s / 2;
  layout.RowCredits = layout.ReelTop + 17;
  layout.RowWager = layout.RowCredits + layout.RowStep;
  layout.RowWon = layout.RowWager + layout.RowStep;
  layout.RowLines = layout.RowWon + layout.RowStep;
  return layout;
}

bool FaceLayout::FitsHeight(int clientHeight, int symbolSize) {
  const int top = Compute(0, clientHeight, symbolSize).ReelTop;
  return top - 9 >= 0 && top + 3 * symbolSize + 9 <= clientHeight - PanelHeight;
}

QRect FaceLayout::WheelRect(int wheel) const {
  return {ReelLeft + wheel * (SymbolSize + 9), ReelTop, SymbolSize, 3 * SymbolSize};
}

QRect FaceLayout::CellRect(int wheel, int row) const {
  return {ReelLeft + wheel * (SymbolSize + 9), ReelTop + row * SymbolSize, SymbolSize, SymbolSize};
}
