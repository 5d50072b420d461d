// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "PlayerRecords.h"

class QGridLayout;
class QPushButton;

// The player's records across games, one row each: what it is, its value,
// the game that set it and when. Each figure is a named label ("Record<key>",
// "Record<key>Game", "Record<key>Date", the key as the settings file names it),
// and the rows read as a table to a screen reader. "Reset records" asks first,
// then has `reset` clear them and shows them again.
class RecordsPage : public QWidget {
  Q_OBJECT

 public:
  RecordsPage(const PlayerRecords& records, std::function<void()> reset, QWidget* parent = nullptr);

  // Shows the records as they are now; called after each play.
  void ShowRecords();

  QPushButton* ResetButton = nullptr;

 private:
  void AskToReset();

  const PlayerRecords& records_;
  std::function<void()> reset_;
  QWidget* table_ = nullptr;
  std::optional<PlayerRecords> shown_;  // what the table shows
};

// A game as the records name it: its slot's name, else "Game #n".
QString RecordGameText(const RecordGame& game);
// A length of time played: "2 h 05 min", "14 min", "40 s".
QString TimePlayedText(std::int64_t seconds);
