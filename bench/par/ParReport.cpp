// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the machine's probability and return report: exact figures from
// every stop combination, the power meter as a Markov chain, and a seeded
// simulation of the real rules that must agree with them.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "GameState.h"
#include "MachineMath.h"
#include "Reels.h"
#include "Simulation.h"

namespace {

constexpr int CoinCounts[] = {1, 5, 10, 25};
const char* const Combinations[7] = {
    "0 0 0 (three Voltaro)", "1 1 1", "2 2 2", "3 3 3", "4 4 4", "5 5 5", "5 5 any other"};

bool Agrees(const char* what, double exact, double simulated, double standardError) {
  const double margin = Z99 * standardError;
  const bool ok = std::fabs(simulated - exact) <= margin;
  std::printf("  %-26s exact %10.5f  simulated %10.5f  +/- %8.5f  %s\n", what, exact, simulated,
              margin, ok ? "agrees" : "DISAGREES");
  return ok;
}

void PrintStrip(const char* title, const StripOdds& odds) {
  std::printf("\n%s\n", title);
  std::printf("  return per coin on each line:");
  for (const auto& line : odds.lines) std::printf(" %.5f", line.returnPerCoin);
  std::printf("\n  return of a full bet (25 coins): %.5f\n", odds.coinsWon[25] / 25);
  std::printf("  probability of each paying combination on one line:\n");
  for (std::size_t row = 0; row < 7; ++row)
    std::printf("    %-24s pays %4d  p = %.7f  (1 in %.1f)\n", Combinations[row], PayTable[row],
                odds.lines[0].combination[row], 1.0 / odds.lines[0].combination[row]);
}

}  // namespace

int main(int argc, char** argv) {
  long spins = 1000000;
  unsigned long long seed = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--spins") == 0 && i + 1 < argc)
      spins = std::atol(argv[++i]);
    else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc)
      seed = std::strtoull(argv[++i], nullptr, 10);
    else {
      std::fprintf(stderr, "usage: %s [--spins N] [--seed S]\n", argv[0]);
      return 2;
    }
  }
  if (spins < 1000) spins = 1000;

  const StripOdds base = ComputeOdds(Strip1Digits, Strip2NormalDigits, Strip3Digits);
  const StripOdds free = ComputeOdds(Strip1Digits, Strip2FreeSpinDigits, Strip3Digits);
  const MeterChain meter = SolveMeter(base);
  const double spinsPerBonus = meter.spinsToBonus[0];

  std::printf("%s: probability and return report\n", ProductTitle);
  PrintStrip("Base game (exact, 8000 stop combinations)", base);
  PrintStrip("Free spins (exact, wheel 2 on its free-spin strip)", free);

  std::printf("\nHit frequency by coins bet (base game)\n ");
  for (int coins = 1; coins <= 25; ++coins)
    std::printf(" %2d:%.4f%s", coins, base.hitFrequency[static_cast<std::size_t>(coins)],
                coins % 5 == 0 ? "\n " : "");

  std::printf("\nPower meter per paid spin: drain %.5f, +10 %.5f, +20 %.5f, +30 %.5f, still %.5f\n",
              base.drain, base.voltaros[1], base.voltaros[2], base.voltaros[3], base.voltaros[0]);
  std::printf("Expected paid spins from an empty meter to the bonus: %.3f\n", spinsPerBonus);

  std::printf("\nLong-run return with pool and free spins\n");
  for (int coins : CoinCounts)
    std::printf("  %2d coins: %.5f, spread of one paid spin %.4f per coin\n", coins,
                LongRunReturn(base, free, spinsPerBonus, coins),
                ReturnDeviationPerSpin(base, free, meter, coins));

  std::printf("\nSimulation: %ld paid spins at each bet, seed %llu\n", spins, seed);
  bool allAgree = true;
  for (int coins : CoinCounts) {
    const SimulationResult sim =
        Simulate(seed + static_cast<unsigned long long>(coins), spins, coins);
    const double n = static_cast<double>(sim.paidSpins);
    const double hit = base.hitFrequency[static_cast<std::size_t>(coins)];
    std::printf(" %2d coins: %ld bonuses, %ld free spins, %.0f paid spins per second\n", coins,
                sim.bonuses, sim.freeSpins, n / sim.seconds);
    allAgree &= Agrees("long-run return", LongRunReturn(base, free, spinsPerBonus, coins),
                       sim.returnPerCoin, sim.returnStandardError);
    allAgree &= Agrees("hit frequency", hit, static_cast<double>(sim.hits) / n,
                       std::sqrt(hit * (1 - hit) / n));
    allAgree &=
        Agrees("paid spins per bonus", spinsPerBonus, sim.spinsPerBonus, sim.spinsPerBonusError);
  }
  std::printf("\n%s\n", allAgree ? "The simulation agrees with the exact figures."
                                 : "The simulation DISAGREES with the exact figures.");
  return allAgree ? 0 : 1;
}
