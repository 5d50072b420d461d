// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameCharts.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "GameState.h"
#include "MachineMath.h"
#include "Money.h"
#include "ReadableNumbers.h"

namespace {

QString Money(double dollars) { return AmountText(money::ToCents(dollars)); }

QString Percent(double percent) { return PercentText(percent, 1); }

// Ticks of dollars: whole ones as they are, others with their cents.
QString DollarTick(double dollars) {
  const QLocale locale = PlayerLocale();
  if (dollars == std::floor(dollars)) return locale.toString(static_cast<qint64>(dollars));
  return locale.toString(dollars, 'f', 2);
}

QString CountTick(double count) { return CountText(static_cast<std::int64_t>(count)); }

}  // namespace

QString GameCharts::MarkWords(std::uint8_t marks) {
  QStringList words;
  //: On the credits chart: a play that won the bonus.
  if (marks & chart_mark::Bonus) words << tr("bonus");
  //: On the credits chart: credits borrowed here.
  if (marks & chart_mark::Loan) words << tr("borrowed");
  //: On the credits chart: credits paid back here.
  if (marks & chart_mark::PayBack) words << tr("paid back");
  return words.isEmpty() ? QString()
                         : QStringLiteral(" (%1)").arg(words.join(QStringLiteral(", ")));
}

std::pair<double, double> LuckBand(int coins, double paidSpins) {
  const MachineFigures& machine = StandardMachineFigures();
  const auto n = static_cast<std::size_t>(std::clamp(coins, 1, MaxCoins));
  const double reach = Z99 * machine.deviation[n] / std::sqrt(std::max(paidSpins, 1.0));
  const double longRun = machine.longRunReturn[n];
  return {std::max(0.0, longRun - reach), longRun + reach};
}

PlotData GameCharts::Credits(const GameChart& chart) {
  const std::vector<ChartPoint>& points = chart.Points();
  PlotData plot;
  plot.title = tr("Credits over the game");
  plot.xCaption = tr("Plays since New Game");
  plot.yCaption = tr("Credits, in dollars");
  plot.yTick = DollarTick;
  plot.xTick = CountTick;
  plot.empty = tr("No plays yet.");
  plot.legend = {{ChartPlot::LineColour, tr("Credits")},
                 {ChartPlot::BonusColour, tr("Bonus won")},
                 {ChartPlot::MoveColour, tr("Borrowed or paid back")}};
  int bonuses = 0, loans = 0, payBacks = 0;
  for (const ChartPoint& point : points) {
    plot.line.emplace_back(static_cast<double>(point.play), point.credits);
    plot.marks.push_back(point.marks);
    bonuses += (point.marks & chart_mark::Bonus) ? 1 : 0;
    loans += (point.marks & chart_mark::Loan) ? 1 : 0;
    payBacks += (point.marks & chart_mark::PayBack) ? 1 : 0;
  }
  plot.point = [points](std::size_t n) {
    const ChartPoint& point = points.at(n);
    //: The cursor on the credits chart: %1 the play's number, %2 the credits after it.
    return GameCharts::tr("Play %1: %2").arg(CountText(point.play), Money(point.credits)) +
           MarkWords(point.marks);
  };
  if (points.empty()) {
    plot.summary = tr("Credits over the game: no plays yet.");
    return plot;
  }
  const auto [low, high] = std::minmax_element(
      points.begin(), points.end(),
      [](const ChartPoint& a, const ChartPoint& b) { return a.credits < b.credits; });
  //: The credits chart in words, for a screen reader. %1 and %2 the credits at the first
  //: and the last play shown, %3 the last play's number, %4 to %7 the lowest and highest
  //: credits and their plays.
  plot.summary = tr("Credits over the game: from %1 to %2 by play %3; lowest %4 at play %5, "
                    "highest %6 at play %7.")
                     .arg(Money(points.front().credits), Money(points.back().credits),
                          CountText(points.back().play), Money(low->credits), CountText(low->play),
                          Money(high->credits), CountText(high->play));
  //: %1 bonuses won, %2 loans, %3 pay-backs shown on the credits chart.
  plot.summary +=
      QLatin1Char(' ') + tr("Bonuses marked: %1. Loans: %2. Pay-backs: %3.")
                             .arg(CountText(bonuses), CountText(loans), CountText(payBacks));
  return plot;
}

PlotData GameCharts::Return(const GameChart& chart, const GameStatistics& totals) {
  PlotData plot;
  plot.title = tr("Return so far");
  plot.xCaption = tr("Paid spins since New Game");
  plot.yCaption = tr("Money returned for every dollar wagered");
  plot.yTick = [](double percent) { return PercentText(percent, 0); };
  plot.xTick = CountTick;
  plot.wholeFrom = 0.25;
  plot.empty = tr("Nothing wagered yet.");
  plot.legend = {{ChartPlot::LineColour, tr("Return so far")},
                 {ChartPlot::LevelColour, tr("Long-run return")},
                 {ChartPlot::BandColour, tr("Reach of luck, 99 games in 100")}};
  std::vector<ChartPoint> shown;
  for (const ChartPoint& point : chart.Points()) {
    if (point.wagered <= 0 || point.paidSpins < 1) continue;
    shown.push_back(point);
    plot.line.emplace_back(static_cast<double>(point.paidSpins), 100.0 * ReturnOf(point));
  }
  const int coins = totals.MostUsedCoins();
  if (coins > 0) {
    plot.level = 100.0 * StandardMachineFigures().longRunReturn[static_cast<std::size_t>(coins)];
    plot.band = [coins](double spins) {
      const auto [low, high] = LuckBand(coins, spins);
      return std::pair{100.0 * low, 100.0 * high};
    };
  }
  plot.point = [shown, coins](std::size_t n) {
    const ChartPoint& point = shown.at(n);
    const QString here = Percent(100.0 * ReturnOf(point));
    //: The cursor on the return chart: %1 the number of paid spins, %2 the return so far.
    QString text = GameCharts::tr("Paid spin %1: %2").arg(CountText(point.paidSpins), here);
    if (coins > 0) {
      const auto [low, high] = LuckBand(coins, static_cast<double>(point.paidSpins));
      //: After the cursor's return: the band luck alone reaches at that many spins.
      text += QLatin1Char(' ') +
              GameCharts::tr("(luck: %1 to %2)").arg(Percent(100.0 * low), Percent(100.0 * high));
    }
    return text;
  };
  if (shown.empty() || coins == 0) {
    plot.summary = tr("Return so far: nothing wagered yet.");
    return plot;
  }
  const ChartPoint& last = shown.back();
  const double now = ReturnOf(last);
  const auto [low, high] = LuckBand(coins, static_cast<double>(last.paidSpins));
  //: The most used bet in the return chart's words.
  const QString bet = coins == 1 ? tr("1 coin") : tr("%1 coins").arg(CountText(coins));
  //: The return chart in words, for a screen reader. %1 paid spins, %2 the return so
  //: far, %3 the most used bet ("25 coins"), %4 the machine's long-run return there,
  //: %5 and %6 the band luck alone keeps the return in at this many spins.
  plot.summary =
      tr("Return so far after %1 paid spins: %2. The machine's long-run return at %3 is %4; "
         "in 99 games of 100, luck alone keeps the return so far between %5 and %6.")
          .arg(CountText(last.paidSpins), Percent(100.0 * now), bet, Percent(*plot.level),
               Percent(100.0 * low), Percent(100.0 * high));
  plot.summary += QLatin1Char(' ');
  if (now < low)
    plot.summary += tr("The return so far is below that band.");
  else if (now > high)
    plot.summary += tr("The return so far is above that band.");
  else
    plot.summary += tr("The return so far is inside that band.");
  return plot;
}
