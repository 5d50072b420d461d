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

// Figures as a table file writes them, whatever the player's language.
QString Plain(double value, int decimals) { return QString::number(value, 'f', decimals); }

// A field of a comma-separated row, quoted where it must be.
QString Field(const QString& text) {
  if (!text.contains(u',') && !text.contains(u'"')) return text;
  return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString Row(const QStringList& fields) {
  QStringList quoted;
  for (const QString& field : fields) quoted << Field(field);
  return quoted.join(u',');
}

}  // namespace

QString GameCharts::MarkWords(std::uint8_t marks) {
  const QStringList words = MarkList(marks);
  return words.isEmpty() ? QString()
                         : QStringLiteral(" (%1)").arg(words.join(QStringLiteral(", ")));
}

QStringList GameCharts::MarkList(std::uint8_t marks) {
  QStringList words;
  //: On the credits chart: a play that won the bonus.
  if (marks & chart_mark::Bonus) words << tr("bonus");
  //: On the credits chart: credits borrowed here.
  if (marks & chart_mark::Loan) words << tr("borrowed");
  //: On the credits chart: credits paid back here.
  if (marks & chart_mark::PayBack) words << tr("paid back");
  return words;
}

QString GameCharts::PlayFigures(const std::vector<ChartPoint>& points, std::int64_t play) {
  const auto first = std::find_if(points.begin(), points.end(),
                                  [play](const ChartPoint& point) { return point.play == play; });
  if (first == points.end()) return QString();
  //: The first line of a play's figures by the pointer on the credits chart.
  QStringList lines{play == 0 ? tr("Start of the game") : tr("Play %1").arg(CountText(play))};
  const ChartPoint* before = first == points.begin() ? nullptr : &*(first - 1);
  for (auto point = first; point != points.end() && point->play == play; ++point) {
    const double change = before ? point->credits - before->credits : 0;
    if (point->marks & (chart_mark::Loan | chart_mark::PayBack)) {
      //: By the pointer: credits borrowed at this play, or paid back.
      lines << ((point->marks & chart_mark::Loan) ? tr("Borrowed: %1").arg(Money(change))
                                                  : tr("Paid back: %1").arg(Money(-change)));
    } else if (before && point->play > 0) {
      const double won = point->returned - before->returned;
      // After a long game the chart keeps fewer points than plays.
      if (before->play != play - 1)
        //: By the pointer, where the chart keeps fewer points than plays: %1 the earlier play.
        lines << tr("Won since play %1: %2").arg(CountText(before->play), Money(won));
      else if ((point->marks & chart_mark::Bonus) && point->fromPool && before->fromPool)
        //: By the pointer: what a bonus play won on the lines (%1) and from the pool (%2).
        lines << tr("Won: %1 on the lines, %2 from the bonus pool")
                     .arg(Money(won - (*point->fromPool - *before->fromPool)),
                          Money(*point->fromPool - *before->fromPool));
      else if (point->marks & chart_mark::Bonus)
        //: By the pointer: what a play won on the lines and from the bonus pool together.
        lines << tr("Won: %1, the bonus pool included").arg(Money(won));
      else
        lines << tr("Won: %1").arg(Money(won));
    }
    //: By the pointer: the credits once the play (or the loan) settled.
    lines << tr("Credits: %1").arg(Money(point->credits));
    before = &*point;
  }
  return lines.join(u'\n');
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
  plot.fileName = tr("credits-chart");
  plot.legend = {{ChartPlot::LineColour, tr("Credits")},
                 {ChartPlot::BonusColour, tr("Bonus won")},
                 {ChartPlot::MoveColour, tr("Borrowed or paid back")}};
  // A new game's one point, the credits it starts with, is no chart yet.
  if (points.size() < 2 && (points.empty() || points.front().play == 0)) {
    plot.summary = tr("Credits over the game: no plays yet.");
    return plot;
  }
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
  plot.tip = [points](std::size_t n) { return PlayFigures(points, points.at(n).play); };
  plot.table = [points] {
    QStringList rows{Row({tr("Play"), tr("Credits"), tr("Won"), tr("Marks")})};
    for (std::size_t n = 0; n < points.size(); ++n) {
      const ChartPoint& point = points[n];
      const double won = n == 0 ? 0 : point.returned - points[n - 1].returned;
      rows << Row({QString::number(point.play), Plain(point.credits, 2), Plain(won, 2),
                   MarkList(point.marks).join(u' ')});
    }
    return rows;
  };
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
  plot.empty = tr("No plays yet.");
  plot.fileName = tr("return-chart");
  plot.legend = {{ChartPlot::LineColour, tr("Return so far")},
                 {ChartPlot::LevelColour, tr("Long-run return")},
                 //: The band on the return chart: where the return so far of 99 games in
                 //: 100 lies.
                 {ChartPlot::BandColour, tr("99 games in 100 end inside this band")}};
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
      //: After the cursor's return: where 99 games in 100 are at that many spins.
      text +=
          QLatin1Char(' ') +
          GameCharts::tr("(99 in 100: %1 to %2)").arg(Percent(100.0 * low), Percent(100.0 * high));
    }
    return text;
  };
  plot.tip = [shown, coins](std::size_t n) {
    const ChartPoint& point = shown.at(n);
    //: The figures by the pointer on the return chart, a line each.
    QStringList lines{
        tr("Paid spin %1").arg(CountText(point.paidSpins)),
        tr("Return so far: %1").arg(Percent(100.0 * ReturnOf(point))),
        tr("Wagered: %1, returned: %2").arg(Money(point.wagered), Money(point.returned))};
    if (coins > 0) {
      const auto [low, high] = LuckBand(coins, static_cast<double>(point.paidSpins));
      lines << tr("99 games in 100 are between %1 and %2 here")
                   .arg(Percent(100.0 * low), Percent(100.0 * high));
    }
    return lines.join(u'\n');
  };
  plot.table = [shown, coins] {
    QStringList rows{Row({tr("Paid spins"), tr("Return so far (%)"), tr("Long-run return (%)"),
                          tr("99 in 100 from (%)"), tr("99 in 100 to (%)")})};
    for (const ChartPoint& point : shown) {
      QStringList row{QString::number(point.paidSpins), Plain(100.0 * ReturnOf(point), 2)};
      if (coins > 0) {
        const auto [low, high] = LuckBand(coins, static_cast<double>(point.paidSpins));
        row << Plain(
                   100.0 * StandardMachineFigures().longRunReturn[static_cast<std::size_t>(coins)],
                   2)
            << Plain(100.0 * low, 2) << Plain(100.0 * high, 2);
      }
      rows << Row(row);
    }
    return rows;
  };
  if (shown.empty() || coins == 0) {
    plot.summary = tr("Return so far: no plays yet.");
    return plot;
  }
  const ChartPoint& last = shown.back();
  const double now = ReturnOf(last);
  const auto [low, high] = LuckBand(coins, static_cast<double>(last.paidSpins));
  //: The most used bet in the return chart's words.
  const QString bet = tr("%n coins", nullptr, coins);
  const int spins = static_cast<int>(std::min<std::int64_t>(last.paidSpins, INT32_MAX));
  //: The return chart in words, for a screen reader. %n paid spins, %1 the return so
  //: far, %2 the most used bet ("25 coins"), %3 the machine's long-run return there,
  //: %4 and %5 where the return so far of 99 games in 100 lies after this many spins.
  plot.summary = tr("Return so far after %n paid spins: %1. The machine's long-run return at %2 "
                    "is %3; 99 games in 100 with this many paid spins end between %4 and %5.",
                    nullptr, spins)
                     .arg(Percent(100.0 * now), bet, Percent(*plot.level), Percent(100.0 * low),
                          Percent(100.0 * high));
  plot.summary += QLatin1Char(' ');
  if (now < low)
    plot.summary += tr("The return so far is below that band.");
  else if (now > high)
    plot.summary += tr("The return so far is above that band.");
  else
    plot.summary += tr("The return so far is inside that band.");
  return plot;
}
