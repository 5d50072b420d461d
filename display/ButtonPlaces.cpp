// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonPlaces.h"

std::array<int, 4> ButtonLefts(int panelWidth, int buttonWidth) {
  const int spare = panelWidth - 4 * buttonWidth;
  const int gap = spare / 5;
  std::array<int, 4> lefts{};
  lefts[0] = (spare - 3 * gap) / 2;
  for (std::size_t i = 1; i < lefts.size(); ++i) lefts[i] = lefts[i - 1] + buttonWidth + gap;
  return lefts;
}
