// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordsPage.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "DialogLook.h"
#include "GameState.h"
#include "HistoryTableAccessible.h"
#include "Money.h"
#include "ReadableNumbers.h"

namespace {

const char* const RecordColumns[] = {
    //: Column heading of the records: what the record is.
    QT_TRANSLATE_NOOP("RecordsPage", "Record"),
    //: Column heading of the records: the count, amount or time.
    QT_TRANSLATE_NOOP("RecordsPage", "Value"),
    //: Column heading of the records: the game that set the record.
    QT_TRANSLATE_NOOP("RecordsPage", "Game"),
    //: Column heading of the records: the date the record was last set.
    QT_TRANSLATE_NOOP("RecordsPage", "Date"),
};

QString RecordDateText(std::int64_t secondsSince1970) {
  if (secondsSince1970 <= 0) return {};
  const QDate date = QDateTime::fromSecsSinceEpoch(secondsSince1970).toLocalTime().date();
  return ShortDateText(date.year(), date.month(), date.day());
}

QLabel* AddRecordLabel(QGridLayout& grid, int row, int column, const QString& text,
                       const QString& name = {},
                       Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text);
  if (!name.isEmpty()) label->setObjectName(name);
  label->setAlignment(align);
  grid.addWidget(label, row, column);
  return label;
}

}  // namespace

QString RecordGameText(const RecordGame& game) {
  if (!game.slotName.empty()) return QString::fromStdString(game.slotName);
  if (game.number <= 0) return {};
  //: The name of a game not opened from a saved game; %1 is its number.
  return RecordsPage::tr("Game #%1").arg(CountText(game.number));
}

QString TimePlayedText(std::int64_t seconds) {
  const std::int64_t minutes = seconds / 60;
  if (minutes == 0)
    //: Time played of less than a minute; %1 is the seconds.
    return RecordsPage::tr("%1 s").arg(CountText(seconds));
  if (minutes < 60)
    //: Time played of less than an hour; %1 is the minutes.
    return RecordsPage::tr("%1 min").arg(CountText(minutes));
  //: Time played; %1 is the hours, %2 the minutes (two digits).
  return RecordsPage::tr("%1 h %2 min")
      .arg(CountText(minutes / 60))
      .arg(PlayerLocale().toString(minutes % 60).rightJustified(2, u'0'));
}

RecordsPage::RecordsPage(const PlayerRecords& records, std::function<void()> reset, QWidget* parent)
    : QWidget(parent), records_(records), reset_(std::move(reset)) {
  setObjectName(QStringLiteral("Records"));
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(tr("Your records across every game"));
  heading->setFont(DialogPixelFont(15, true));
  layout->addWidget(heading);
  table_ = new QWidget;
  layout->addWidget(table_);
  layout->addStretch(1);
  ResetButton = new QPushButton(tr("Re&set records"));
  ResetButton->setObjectName(QStringLiteral("ResetRecords"));
  connect(ResetButton, &QPushButton::clicked, this, &RecordsPage::AskToReset);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ResetButton);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  ShowRecords();
}

void RecordsPage::ShowRecords() {
  if (shown_ == records_) return;
  shown_ = records_;
  // The table is made afresh, so a screen reader meets the new figures.
  auto* table = new QWidget;
  auto* grid = new QGridLayout(table);
  grid->setHorizontalSpacing(18);
  int column = 0;
  for (const char* heading : RecordColumns) {
    QLabel* label = AddRecordLabel(*grid, 0, column++, tr(heading));
    label->setFont(DialogPixelFont(13, true));
  }
  const PlayerRecords& r = records_;
  const auto money = [](const Record<double>& record) {
    return AmountText(money::ToCents(record.value));
  };
  const auto count = [](const Record<std::int64_t>& record) { return CountText(record.value); };
  struct Row {
    const char* caption;
    const char* key;
    QString value;
    std::int64_t setAt;
    const RecordGame* game;  // none for the totals of every game
  };
  const Row rows[] = {
      //: The record of how many games were started.
      {QT_TR_NOOP("Games played"), "Games", count(r.games), r.games.setAt, &r.games.game},
      {QT_TR_NOOP("Paid spins"), "PaidSpins", count(r.paidSpins), r.paidSpins.setAt, nullptr},
      {QT_TR_NOOP("Free spins"), "FreeSpins", count(r.freeSpins), r.freeSpins.setAt, nullptr},
      {QT_TR_NOOP("Bonuses"), "Bonuses", count(r.bonuses), r.bonuses.setAt, nullptr},
      //: The most one play paid, on the lines and from the pool together.
      {QT_TR_NOOP("Biggest win"), "BiggestWin", money(r.biggestWin), r.biggestWin.setAt,
       &r.biggestWin.game},
      //: The largest bonus pool paid out.
      {QT_TR_NOOP("Biggest bonus"), "BiggestBonus", money(r.biggestBonus), r.biggestBonus.setAt,
       &r.biggestBonus.game},
      {QT_TR_NOOP("Most credits"), "MostCredits", money(r.mostCredits), r.mostCredits.setAt,
       &r.mostCredits.game},
      //: The most paid spins in a row that each won something.
      {QT_TR_NOOP("Longest winning run"), "LongestWinRun",
       tr("%n in a row", nullptr,
          static_cast<int>(
              std::min<std::int64_t>(r.longestWinRun.value, std::numeric_limits<int>::max()))),
       r.longestWinRun.setAt, &r.longestWinRun.game},
      //: Time with the game's window open and not minimised.
      {QT_TR_NOOP("Time played"), "TimePlayed", TimePlayedText(r.timePlayed.value),
       r.timePlayed.setAt, nullptr},
  };
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
  int row = 0;
  for (const Row& figure : rows) {
    ++row;
    const QString key = QStringLiteral("Record") + QString::fromLatin1(figure.key);
    AddRecordLabel(*grid, row, 0, tr(figure.caption));
    AddRecordLabel(*grid, row, 1, figure.value, key, right);
    AddRecordLabel(*grid, row, 2, figure.game ? RecordGameText(*figure.game) : QString(),
                   key + QStringLiteral("Game"));
    AddRecordLabel(*grid, row, 3, RecordDateText(figure.setAt), key + QStringLiteral("Date"));
  }
  grid->setColumnStretch(4, 1);
  table->setAccessibleName(tr("Your records across every game"));
  ReadGridAsTable(*table, *grid);
  layout()->replaceWidget(table_, table);
  delete table_;
  table_ = table;
}

void RecordsPage::AskToReset() {
  const int games = static_cast<int>(
      std::min<std::int64_t>(records_.games.value, std::numeric_limits<int>::max()));
  //: Asked before the records are cleared; %n is the number of games they cover.
  const QString question =
      tr("Clear your records of every game played (%n so far)? This cannot be undone.", nullptr,
         games);
  const auto answer = QMessageBox::question(this, QString::fromUtf8(ProductTitle), question,
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  if (reset_) reset_();
  ShowRecords();
}
