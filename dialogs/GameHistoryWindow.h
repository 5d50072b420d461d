// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBoxLayout>
#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>

#include "DialogServices.h"
#include "GameState.h"
#include "PlayerRecords.h"

class QBoxLayout;
class QLabel;
class ChartPlot;
class QPushButton;
class RecordsPage;
class QScrollArea;
class QTabWidget;
class QWidget;

// The game history: the last ten settled plays, newest first, and beside or
// below them the totals of the game since its New Game, with the return so
// far beside the machine's exact long-run return. A non-modal window beside
// the machine, updated as each play settles (ShowGame); it only reads the
// game.
//
// Every figure is a named label, so a test or a screen reader finds it:
// "Play<n>Time", "Play<n>Coin", "Play<n>Coins", "Play<n>Kind", "Play<n>Window"
// (the picture), "Play<n>Win", "Play<n>Pool", "Play<n>Credits", "Play<n>Meter"
// for play n (1 the newest), and the statistics by their file key. The charts
// of the whole game, and the player's records across games, are on tabs of
// their own.
class GameHistoryWindow : public QDialog {
  Q_OBJECT

 public:
  // `resetRecords` clears the records once the player has said yes.
  GameHistoryWindow(const GameState& game, const PlayerRecords& records,
                    std::function<void()> resetRecords, const QString& programDir,
                    DialogServices services, QWidget* parent = nullptr);

  // Shows the game as it is now, on the tab the player is on.
  void ShowGame(const GameState& game);

  // The size to open at on a screen with this room: the size the player
  // last gave the window where it fits, else one that shows the ten plays
  // and the totals whole, or as much of them as fits.
  QSize OpeningSize(const QRect& available, QSize chosen);
  // Resizes the window to its opening size, in the middle of its owner's
  // screen.
  void PlaceOnScreen(QSize chosen);

  // The picture of a play's window: the nine symbols, PictureCell pixels a
  // cell with a gap of PictureGap, and each winning payline drawn through the
  // centres of its cells.
  static constexpr int PictureCell = 24;
  static constexpr int PictureGap = 2;
  static constexpr int PictureSize = 3 * PictureCell + 4 * PictureGap;
  static QImage WindowPicture(const PlayRecord& play, const QImage& icons);
  // Where a cell's picture starts inside the window picture.
  static QPoint CellOrigin(int wheel, int row);
  static inline const QColor LineColour{0xFF, 0x00, 0x00};

  // The symbol icons, seven PictureCell squares in a row; empty when the art
  // file could not be read (the figures are still shown).
  const QImage& Icons() const { return icons_; }

  QPushButton* Button1 = nullptr;  // "OK"
  QTabWidget* Tabs = nullptr;      // the plays and totals, the charts
  ChartPlot* CreditsChart = nullptr;
  ChartPlot* ReturnChart = nullptr;
  QScrollArea* Plays = nullptr;  // the plays, scrolled up and down

 signals:
  // The player gave the window a size of their own.
  void SizeChosen(QSize size);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* MakePlaysTable(const GameHistory& history);
  QWidget* MakeStatistics(const GameStatistics& statistics);
  QWidget* MakeCharts(const GameState& game);
  // The plays table's width and height with ten plays.
  QSize TenPlaysSize() const;
  // The room the plays take across, their scroll bar included.
  int PlaysWidth() const;
  // The window's size hint with the totals beside the plays or below them.
  QSize HintWithTotals(QBoxLayout::Direction direction);
  void LayOutTotals();

  DialogServices services_;
  QImage icons_;
  QBoxLayout* playsAndTotals_ = nullptr;
  QScrollArea* totals_ = nullptr;
  QBoxLayout* totalsColumn_ = nullptr;
  QBoxLayout* playsColumn_ = nullptr;
  QWidget* statistics_ = nullptr;
  RecordsPage* records_ = nullptr;
  // What is shown, so a command that changed none of it costs nothing.
  GameHistory shownHistory_;
  GameStatistics shownStatistics_;
  GameChart shownChart_;
  // The width from which the totals go beside the plays.
  int sideBySideWidth_ = 0;
  QSize openedAt_;
};

// When a play was made, on two lines: the locale's short date over its time
// with seconds; "yyyy-MM-dd" over "hh:mm:ss" in the C locale.
QString PlayedText(std::int64_t secondsSince1970);
// The text of an amount of money in the window: "$1234.50".
QString HistoryMoneyText(double amount);
// A coin value as the Bet Amount menu names it ("25¢", "$1"), else in dollars.
QString HistoryCoinText(double coinValue);
// A play's window in words for a screen reader: its nine symbols row by
// row, then the paylines that paid.
QString WindowInWords(const PlayRecord& play);
// A return as a percentage with one decimal: "97.3%".
QString ReturnText(double fraction);
