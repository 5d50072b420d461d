// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerRecords.h"

#include <limits>
#include <type_traits>

#include "Money.h"

namespace {

// A total and when it last grew; it names no game.
void CountUp(Record<std::int64_t>& record, std::int64_t added, std::int64_t now) {
  if (added <= 0) return;
  const std::int64_t room = std::numeric_limits<std::int64_t>::max() - record.value;
  record.value += added < room ? added : room;
  record.setAt = now;
}

template <class Value>
void OfferBest(Record<Value>& record, Value value, std::int64_t now, const RecordGame& game) {
  if constexpr (std::is_floating_point_v<Value>) {
    if (!money::Less(record.value, value)) return;
    value = money::Round(value);
  } else if (value <= record.value) {
    return;
  }
  record.value = value;
  record.setAt = now;
  record.game = game;
}

}  // namespace

void PlayerRecords::StartGame(const std::string& slotName, double credits, std::int64_t now) {
  CountUp(games, 1, now);
  games.game = {games.value, slotName};
  winRun = 0;
  OfferBest(mostCredits, credits, now, games.game);
}

void PlayerRecords::AddPlay(const PlayRecord& play) {
  const std::int64_t at = play.playedAt;
  const RecordGame& game = games.game;
  CountUp(play.free ? freeSpins : paidSpins, 1, at);
  if (play.bonus) CountUp(bonuses, 1, at);
  OfferBest(biggestWin, money::Add(play.win, play.poolPaid), at, game);
  OfferBest(biggestBonus, play.poolPaid, at, game);
  OfferBest(mostCredits, play.creditsBefore, at, game);
  OfferBest(mostCredits, play.creditsAfter, at, game);
  // A free spin neither breaks nor lengthens a run of paid spins.
  if (play.free) return;
  const bool won = !money::IsZero(play.win) || !money::IsZero(play.poolPaid);
  if (!won)
    winRun = 0;
  else if (winRun < std::numeric_limits<std::int64_t>::max())
    ++winRun;
  OfferBest(longestWinRun, winRun, at, game);
}

void PlayerRecords::AddTime(std::int64_t seconds, std::int64_t now) {
  CountUp(timePlayed, seconds, now);
}

void PlayerRecords::Reset(double credits, std::int64_t now) {
  const std::string slotName = games.game.slotName;
  *this = {};
  StartGame(slotName, credits, now);
}
