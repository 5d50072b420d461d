// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHistoryWindow.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "DialogLook.h"
#include "FaceDescription.h"
#include "GameCharts.h"
#include "HelpContexts.h"
#include "HistoryTableAccessible.h"
#include "MachineMath.h"
#include "Money.h"
#include "Palette.h"
#include "Paylines.h"
#include "ReadableNumbers.h"
#include "RecordsPage.h"
#include "Reels.h"
#include "SymbolArt.h"

namespace {

// Small enough for an 800 x 600 screen; the plays scroll.
constexpr QSize HistoryClientSize{780, 560};

// The columns of the plays.
const char* const PlayColumns[] = {
    //: Column heading: when the play was made.
    QT_TRANSLATE_NOOP("GameHistoryWindow", "Played"),
    //: Column heading: the value of one coin in the play.
    QT_TRANSLATE_NOOP("GameHistoryWindow", "Coin"),
    //: Column heading: how many coins were bet.
    QT_TRANSLATE_NOOP("GameHistoryWindow", "Coins"),
    //: Column heading: whether the spin was free or paid.
    QT_TRANSLATE_NOOP("GameHistoryWindow", "Spin"),
    //: Column heading: the picture of the nine symbols the spin showed.
    QT_TRANSLATE_NOOP("GameHistoryWindow", "Window"),
    //: Column heading: what the paylines won.
    QT_TRANSLATE_NOOP("GameHistoryWindow", "Win"),
    //: Column heading: what the bonus pool paid out.
    QT_TRANSLATE_NOOP("GameHistoryWindow", "Pool paid"),
    //: Column heading: the credits before and after the play.
    QT_TRANSLATE_NOOP("GameHistoryWindow", "Credits"),
    //: Column heading: the power meter before and after the play.
    QT_TRANSLATE_NOOP("GameHistoryWindow", "Meter"),
};

QLabel* AddLabel(QGridLayout& grid, int row, int column, const QString& text,
                 const QString& name = {}, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text);
  if (!name.isEmpty()) label->setObjectName(name);
  label->setAlignment(align);
  grid.addWidget(label, row, column);
  return label;
}

QLabel* Heading(const QString& text) {
  auto* label = new QLabel(text);
  label->setFont(DialogPixelFont(15, true));
  return label;
}

// The locale's short time with the seconds added after the minutes: "h:mm AP"
// becomes "h:mm:ss AP".
QString TimeWithSeconds(const QLocale& locale) {
  QString format = locale.timeFormat(QLocale::ShortFormat);
  if (format.contains(u's')) return format;
  const qsizetype minutes = format.indexOf(QStringLiteral("mm"));
  if (minutes < 1) return locale.timeFormat(QLocale::LongFormat);
  format.insert(minutes + 2, format[minutes - 1] + QStringLiteral("ss"));
  return format;
}

}  // namespace

QString PlayedText(std::int64_t secondsSince1970) {
  const QDateTime played = QDateTime::fromSecsSinceEpoch(secondsSince1970).toLocalTime();
  const QLocale locale = PlayerLocale();
  // The date as the saved-game slots show it.
  const QDate date = played.date();
  const QString day = ShortDateText(date.year(), date.month(), date.day()) + QLatin1Char('\n');
  if (locale.language() == QLocale::C) return day + played.toString(QStringLiteral("hh:mm:ss"));
  return day + locale.toString(played.time(), TimeWithSeconds(locale));
}

QString HistoryMoneyText(double amount) { return AmountText(money::ToCents(amount)); }

QString HistoryCoinText(double coinValue) {
  for (int n = 0; n < CoinValueCount; ++n)
    if (money::ToCents(CoinValues[static_cast<std::size_t>(n)]) == money::ToCents(coinValue))
      return CoinValueText(money::ToCents(coinValue));
  return HistoryMoneyText(coinValue);
}

QString ReturnText(double fraction) { return PercentText(100.0 * fraction, 1); }

QString WindowInWords(const PlayRecord& play) {
  QStringList symbols;
  for (int row = 0; row < 3; ++row)
    for (int wheel = 0; wheel < 3; ++wheel) symbols << SymbolName(play.SymbolAt(wheel, row));
  //: The nine symbols of a play's window, read out row by row, each left to right.
  QString words =
      GameHistoryWindow::tr("Top row: %1, %2, %3. Middle row: %4, %5, %6. Bottom row: %7, %8, %9.");
  for (const QString& symbol : symbols) words = words.arg(symbol);
  QStringList lines;
  for (int line = 0; line < LineCount; ++line)
    if (play.PaidOnLine(line)) lines << CountText(line + 1);
  if (lines.size() == 1)
    //: After the symbols of a play that won on one payline; %1 is the line, such as 2.
    words += u' ' + GameHistoryWindow::tr("Line %1 pays.").arg(lines.front());
  else if (!lines.isEmpty())
    //: After the symbols of a play that won on several paylines; %1 lists them, such as 1, 3.
    words += u' ' + GameHistoryWindow::tr("Lines %1 pay.").arg(lines.join(QStringLiteral(", ")));
  return words;
}

GameHistoryWindow::GameHistoryWindow(const GameState& game, const PlayerRecords& records,
                                     std::function<void()> resetRecords, const QString& programDir,
                                     DialogServices services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)) {
  setObjectName(QStringLiteral("GameHistory"));
  SetUpFixedDialog(*this, HistoryClientSize, HistoryHelpContext);
  setFont(DialogPixelFont(13));
  setWindowTitle(tr("Game History"));

  QImage art;
  if (const auto error = LoadSymbolArtFile(programDir, SmallestArtSize, art)) {
    // The figures are worth showing without the pictures.
    if (services_.warning) services_.warning(parent, *error);
  } else {
    icons_ = QImage(PictureCell * SymbolCount, PictureCell, QImage::Format_RGB32);
    QPainter painter(&icons_);
    for (int symbol = 0; symbol < SymbolCount; ++symbol) {
      const QImage cell =
          art.copy(SmallestArtSize * (symbol % 3), SmallestArtSize * (symbol / 3), SmallestArtSize,
                   SmallestArtSize)
              .scaled(PictureCell, PictureCell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      painter.drawImage(PictureCell * symbol, 0, cell);
    }
  }

  // The plays and totals on one tab, the charts of the whole game on another.
  auto* playsPage = new QWidget;
  auto* layout = new QVBoxLayout(playsPage);
  layout->addWidget(Heading(tr("The last ten plays, newest first")));
  auto* scroll = new QScrollArea;
  scroll->setObjectName(QStringLiteral("Plays"));
  scroll->setWidgetResizable(true);
  scroll->setWidget(MakePlaysTable(game.History));
  layout->addWidget(scroll, 1);
  layout->addWidget(Heading(tr("This game since New Game")));
  layout->addWidget(MakeStatistics(game.Statistics));
  Tabs = new QTabWidget;
  Tabs->setObjectName(QStringLiteral("HistoryTabs"));
  //: The tab of the game history with the last plays and the totals.
  Tabs->addTab(playsPage, tr("&Plays and totals"));
  //: The tab of the game history with the two charts of the whole game.
  Tabs->addTab(MakeCharts(game), tr("&Charts"));
  //: The tab of the game history with the player's records across every game.
  Tabs->addTab(new RecordsPage(records, std::move(resetRecords)), tr("&Records"));
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(Tabs, 1);

  Button1 = new QPushButton(tr("&OK"));
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button1->setFixedSize(89, 33);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Button1);
  outer->addLayout(buttons);
}

QPoint GameHistoryWindow::CellOrigin(int wheel, int row) {
  return {PictureGap + wheel * (PictureCell + PictureGap),
          PictureGap + row * (PictureCell + PictureGap)};
}

QImage GameHistoryWindow::WindowPicture(const PlayRecord& play, const QImage& icons) {
  QImage picture(PictureSize, PictureSize, QImage::Format_RGB32);
  picture.fill(palette::ButtonShadow);
  QPainter painter(&picture);
  for (int wheel = 0; wheel < 3; ++wheel) {
    for (int row = 0; row < 3; ++row) {
      const QPoint at = CellOrigin(wheel, row);
      const int symbol = play.SymbolAt(wheel, row);
      if (icons.isNull() || symbol < 0 || symbol >= SymbolCount)
        painter.fillRect(QRect(at, QSize(PictureCell, PictureCell)), palette::ButtonFace);
      else
        painter.drawImage(at, icons, QRect(PictureCell * symbol, 0, PictureCell, PictureCell));
    }
  }
  painter.setPen(QPen(LineColour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  constexpr int Half = PictureCell / 2;
  for (int line = 0; line < LineCount; ++line) {
    if (!play.PaidOnLine(line)) continue;
    const auto& rows = PaylineRows[static_cast<std::size_t>(line)];
    QPoint points[3];
    for (int wheel = 0; wheel < 3; ++wheel)
      points[wheel] = CellOrigin(wheel, rows[static_cast<std::size_t>(wheel)]) + QPoint(Half, Half);
    painter.drawPolyline(points, 3);
  }
  return picture;
}

QWidget* GameHistoryWindow::MakePlaysTable(const GameHistory& history) {
  auto* table = new QWidget;
  auto* grid = new QGridLayout(table);
  // Nine columns in the width of the window in every language: the gaps
  // are narrow and a heading of two words may take two lines.
  grid->setHorizontalSpacing(8);
  if (history.Plays().empty()) {
    auto* none =
        AddLabel(*grid, 0, 0, tr("No plays yet."), QStringLiteral("NoPlays"), Qt::AlignCenter);
    none->setFont(DialogPixelFont(15));
    return table;
  }
  int column = 0;
  for (const char* heading : PlayColumns) {
    QLabel* label = AddLabel(*grid, 0, column++, tr(heading));
    label->setFont(DialogPixelFont(13, true));
    label->setWordWrap(true);
  }
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
  int n = 0;
  for (const PlayRecord& play : history.Plays()) {
    ++n;
    const QString name = QStringLiteral("Play%1").arg(n);
    AddLabel(*grid, n, 0, PlayedText(play.playedAt), name + QStringLiteral("Time"));
    AddLabel(*grid, n, 1, HistoryCoinText(play.coinValue), name + QStringLiteral("Coin"), right);
    AddLabel(*grid, n, 2, CountText(play.coins), name + QStringLiteral("Coins"), right);
    //: A spin that cost nothing, won with the bonus.
    const QString free = tr("Free");
    //: A spin paid for with coins.
    const QString paid = tr("Paid");
    AddLabel(*grid, n, 3, play.free ? free : paid, name + QStringLiteral("Kind"));
    QLabel* window = AddLabel(*grid, n, 4, QString(), name + QStringLiteral("Window"));
    window->setPixmap(QPixmap::fromImage(WindowPicture(play, icons_)));
    window->setFixedSize(PictureSize, PictureSize);
    window->setAccessibleName(WindowInWords(play));
    AddLabel(*grid, n, 5, HistoryMoneyText(play.win), name + QStringLiteral("Win"), right);
    AddLabel(*grid, n, 6, HistoryMoneyText(play.poolPaid), name + QStringLiteral("Pool"), right);
    AddLabel(*grid, n, 7,
             QStringLiteral("%1 \u2192\n%2")
                 .arg(HistoryMoneyText(play.creditsBefore), HistoryMoneyText(play.creditsAfter)),
             name + QStringLiteral("Credits"), right);
    AddLabel(*grid, n, 8,
             QStringLiteral("%1 \u2192 %2")
                 .arg(PercentText(play.meterBefore, 0), PercentText(play.meterAfter, 0)),
             name + QStringLiteral("Meter"), right);
  }
  grid->setRowStretch(n + 1, 1);
  // A screen reader reads the plays as a table under the headings.
  table->setAccessibleName(tr("The last ten plays, newest first"));
  ReadGridAsTable(*table, *grid);
  return table;
}

QWidget* GameHistoryWindow::MakeStatistics(const GameStatistics& s) {
  auto* box = new QWidget;
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(3);
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
  struct Figure {
    const char* caption;
    const char* name;
    QString value;
  };
  const Figure figures[] = {
      {QT_TRANSLATE_NOOP("GameHistoryWindow", "Paid spins:"), "PaidSpins", CountText(s.paidSpins)},
      {QT_TRANSLATE_NOOP("GameHistoryWindow", "Free spins:"), "FreeSpins", CountText(s.freeSpins)},
      {QT_TRANSLATE_NOOP("GameHistoryWindow", "Coins wagered:"), "CoinsWagered",
       CountText(s.coinsWagered)},
      {QT_TRANSLATE_NOOP("GameHistoryWindow", "Money wagered:"), "MoneyWagered",
       HistoryMoneyText(s.moneyWagered)},
      {QT_TRANSLATE_NOOP("GameHistoryWindow", "Won on lines:"), "WonOnLines",
       HistoryMoneyText(s.wonOnLines)},
      {QT_TRANSLATE_NOOP("GameHistoryWindow", "Won from the pool:"), "WonFromPool",
       HistoryMoneyText(s.wonFromPool)},
      {QT_TRANSLATE_NOOP("GameHistoryWindow", "Bonuses:"), "Bonuses", CountText(s.bonuses)},
      //: Credits borrowed in this game.
      {QT_TRANSLATE_NOOP("GameHistoryWindow", "Borrowed:"), "Borrowed",
       HistoryMoneyText(s.borrowed)},
      {QT_TRANSLATE_NOOP("GameHistoryWindow", "Paid back:"), "PaidBack",
       HistoryMoneyText(s.paidBack)},
      {QT_TRANSLATE_NOOP("GameHistoryWindow", "Biggest win:"), "BiggestWin",
       HistoryMoneyText(s.biggestWin)},
  };
  // Two columns of figures, then the returns across the width.
  constexpr int PerColumn = 5;
  int index = 0;
  for (const Figure& figure : figures) {
    const int row = index % PerColumn;
    const int column = 3 * (index / PerColumn);
    AddLabel(*grid, row, column, tr(figure.caption));
    AddLabel(*grid, row, column + 1, figure.value, QString::fromLatin1(figure.name), right);
    ++index;
  }
  grid->setColumnMinimumWidth(2, 40);
  grid->setColumnStretch(6, 1);

  const int coins = s.MostUsedCoins();
  //: A return that cannot be worked out yet, as nothing has been wagered.
  const QString notYetKnown = tr("Not yet known");
  QString soFar = notYetKnown;
  QString longRun = notYetKnown;
  QString range = notYetKnown;
  QString longRunCaption = tr("Long-run return at the most used bet:");
  if (s.moneyWagered > 0) soFar = ReturnText(s.ReturnPercent() / 100.0);
  if (s.paidSpins > 0 && coins > 0) {
    const MachineFigures& machine = StandardMachineFigures();
    const auto n = static_cast<std::size_t>(coins);
    longRun = ReturnText(machine.longRunReturn[n]);
    // 99 games in 100 of this many paid spins end within this of the long-run return.
    const double spread = Z99 * machine.deviation[n] / std::sqrt(static_cast<double>(s.paidSpins));
    //: How far luck alone may move the return so far from the long-run return, up or down;
    //: %1 is a number of percentage points, such as 12.5.
    range = tr("up to %1 points either way").arg(PlayerLocale().toString(100.0 * spread, 'f', 1));
    longRunCaption =
        coins == 1 ? tr("Long-run return at 1 coin (the most used bet):")
                   : tr("Long-run return at %1 coins (the most used bet):").arg(CountText(coins));
  }
  // The long captions span the first column of figures.
  const auto addReturn = [&](int row, const QString& caption, const QString& captionName,
                             const QString& value, const QString& name) {
    auto* label = new QLabel(caption);
    if (!captionName.isEmpty()) label->setObjectName(captionName);
    grid->addWidget(label, row, 0, 1, 4);
    AddLabel(*grid, row, 4, value, name, right);
  };
  addReturn(PerColumn, tr("Return so far:"), {}, soFar, QStringLiteral("ReturnSoFar"));
  addReturn(PerColumn + 1, longRunCaption, QStringLiteral("LongRunCaption"), longRun,
            QStringLiteral("LongRunReturn"));
  //: How far the return so far may stray from the long-run return by chance; in 99 games of
  //: 100 with this many paid spins it stays within the figure shown beside this.
  const QString chance = tr("Luck alone may move the return so far (in 99 games of 100) by:");
  addReturn(PerColumn + 2, chance, QStringLiteral("ChanceCaption"), range,
            QStringLiteral("ChanceRange"));
  return box;
}

QWidget* GameHistoryWindow::MakeCharts(const GameState& game) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  CreditsChart = new ChartPlot(GameCharts::Credits(game.Chart));
  CreditsChart->setObjectName(QStringLiteral("CreditsChart"));
  ReturnChart = new ChartPlot(GameCharts::Return(game.Chart, game.Statistics));
  ReturnChart->setObjectName(QStringLiteral("ReturnChart"));
  layout->addWidget(CreditsChart, 1);
  layout->addWidget(ReturnChart, 1);
  return page;
}
