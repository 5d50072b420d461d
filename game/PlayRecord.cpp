// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayRecord.h"

void GameHistory::Add(const PlayRecord& play) {
  plays_.push_front(play);
  if (plays_.size() > static_cast<std::size_t>(Capacity)) plays_.pop_back();
}
