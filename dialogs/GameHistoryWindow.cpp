// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHistoryWindow.h"

#include <QDateTime>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
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

// The largest share of the screen's available area the window opens at,
// leaving a margin, and room below for a task bar the screen does not report.
constexpr double ScreenShare = 0.94;
// The smallest size the player may make it.
constexpr QSize SmallestSize{360, 280};
constexpr int Margin = 6;
constexpr int ColumnGap = 6;
constexpr int RowGap = 4;

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
  // A window of its own, beside the machine, that the player sizes.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setModal(false);
  setSizeGripEnabled(true);
  setMinimumSize(SmallestSize);
  setPalette(ClassicPalette());
  setAutoFillBackground(true);
  setProperty(HelpContextProperty, HistoryHelpContext);
  setFont(DialogPixelFont(13));
  setWindowTitle(tr("Game History"));

  QImage art;
  if (const auto error = LoadSymbolArtFile(programDir, SmallestArtSize, art)) {
    // Without the art the figures are still shown.
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
  playsAndTotals_ = new QBoxLayout(QBoxLayout::TopToBottom, playsPage);
  playsAndTotals_->setContentsMargins(Margin, Margin, Margin, Margin);
  playsColumn_ = new QVBoxLayout;
  auto* playsColumn = playsColumn_;
  playsColumn->addWidget(Heading(tr("The last ten plays, newest first")));
  Plays = new QScrollArea;
  Plays->setObjectName(QStringLiteral("Plays"));
  Plays->setWidgetResizable(true);
  Plays->setWidget(MakePlaysTable(game.History));
  playsColumn->addWidget(Plays, 1);
  playsAndTotals_->addLayout(playsColumn, 1);
  // The totals scroll too, in a window made smaller than they are.
  totals_ = new QScrollArea;
  totals_->setObjectName(QStringLiteral("Totals"));
  totals_->setFrameShape(QFrame::NoFrame);
  totals_->setWidgetResizable(true);
  auto* totalsPage = new QWidget;
  totalsColumn_ = new QVBoxLayout(totalsPage);
  totalsColumn_->setContentsMargins(0, 0, 0, 0);
  totalsColumn_->addWidget(Heading(tr("This game since New Game")));
  statistics_ = MakeStatistics(game.Statistics);
  totalsColumn_->addWidget(statistics_);
  totalsColumn_->addStretch(1);
  totals_->setWidget(totalsPage);
  playsAndTotals_->addWidget(totals_);
  Tabs = new QTabWidget;
  Tabs->setObjectName(QStringLiteral("HistoryTabs"));
  //: The tab of the game history with the last plays and the totals.
  Tabs->addTab(playsPage, tr("&Plays and totals"));
  //: The tab of the game history with the two charts of the whole game.
  Tabs->addTab(MakeCharts(game), tr("&Charts"));
  //: The tab of the game history with the player's records across every game.
  records_ = new RecordsPage(records, std::move(resetRecords));
  Tabs->addTab(records_, tr("&Records"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(Margin, Margin, Margin, Margin);
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

  shownHistory_ = game.History;
  shownStatistics_ = game.Statistics;
  shownChart_ = game.Chart;
  sideBySideWidth_ = HintWithTotals(QBoxLayout::LeftToRight).width();
  resize(OpeningSize(QRect(QPoint(0, 0), QSize(1024, 768)), QSize()));
}

void GameHistoryWindow::ShowGame(const GameState& game) {
  records_->ShowRecords();
  if (game.History == shownHistory_ && game.Statistics == shownStatistics_ &&
      game.Chart == shownChart_)
    return;
  // The plays keep their place in the list when more come.
  const int down = Plays->verticalScrollBar()->value();
  Plays->setWidget(MakePlaysTable(game.History));
  Plays->verticalScrollBar()->setValue(down);
  QWidget* statistics = MakeStatistics(game.Statistics);
  delete totalsColumn_->replaceWidget(statistics_, statistics);
  delete statistics_;
  statistics_ = statistics;
  CreditsChart->SetData(GameCharts::Credits(game.Chart));
  ReturnChart->SetData(GameCharts::Return(game.Chart, game.Statistics));
  shownHistory_ = game.History;
  shownStatistics_ = game.Statistics;
  shownChart_ = game.Chart;
  LayOutTotals();
}

QSize GameHistoryWindow::TenPlaysSize() const {
  const auto* grid = static_cast<QGridLayout*>(Plays->widget()->layout());
  const QMargins margins = grid->contentsMargins();
  int width = margins.left() + margins.right();
  for (int column = 0; column < grid->columnCount(); ++column)
    width += grid->columnMinimumWidth(column) + (column > 0 ? ColumnGap : 0);
  const int heading = 2 * QFontMetrics(DialogPixelFont(13, true)).lineSpacing();
  const int row = std::max(PictureSize, 2 * QFontMetrics(DialogPixelFont(13)).lineSpacing());
  const int height =
      margins.top() + margins.bottom() + heading + GameHistory::Capacity * (row + RowGap);
  // Plays of larger figures than the samples take the room they need.
  return {std::max(width, Plays->widget()->minimumSizeHint().width()), height};
}

int GameHistoryWindow::PlaysWidth() const {
  return TenPlaysSize().width() + 2 * Plays->frameWidth() +
         style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Plays);
}

QSize GameHistoryWindow::HintWithTotals(QBoxLayout::Direction direction) {
  // The plays' room as for ten of them, the scroll bar beside them.
  const QSize before = Plays->minimumSize();
  const QSize totalsBefore = totals_->minimumSize();
  Plays->setMinimumSize(PlaysWidth(), TenPlaysSize().height() + 2 * Plays->frameWidth());
  totals_->setMinimumSize(totals_->widget()->sizeHint());
  playsAndTotals_->setDirection(direction);
  // Layouts cache their size hints: invalidate each one, from the plays up.
  for (QLayout* changed :
       {static_cast<QLayout*>(playsColumn_), static_cast<QLayout*>(playsAndTotals_), layout()})
    changed->invalidate();
  const QSize hint = layout()->totalSizeHint();
  Plays->setMinimumSize(before);
  totals_->setMinimumSize(totalsBefore);
  for (QLayout* changed :
       {static_cast<QLayout*>(playsColumn_), static_cast<QLayout*>(playsAndTotals_), layout()})
    changed->invalidate();
  LayOutTotals();
  return hint;
}

QSize GameHistoryWindow::OpeningSize(const QRect& available, QSize chosen) {
  const QSize room(static_cast<int>(available.width() * ScreenShare),
                   static_cast<int>(available.height() * ScreenShare));
  if (chosen.width() >= SmallestSize.width() && chosen.height() >= SmallestSize.height())
    return chosen.boundedTo(room);
  QSize hint = HintWithTotals(QBoxLayout::LeftToRight);
  if (hint.width() > room.width()) hint = HintWithTotals(QBoxLayout::TopToBottom);
  return hint.boundedTo(room).expandedTo(SmallestSize);
}

void GameHistoryWindow::PlaceOnScreen(QSize chosen) {
  QWidget* owner = parentWidget();
  QScreen* screen = owner != nullptr && owner->screen() ? owner->screen() : this->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  openedAt_ = OpeningSize(available, chosen);
  resize(openedAt_);
  move(available.center() - QPoint(openedAt_.width() / 2, openedAt_.height() / 2));
}

void GameHistoryWindow::LayOutTotals() {
  // The totals beside the plays, whole, where there is room; below them
  // otherwise, where they scroll in a window smaller than they are.
  // Side by side, each gets the width of all its columns, the plays' scroll
  // bar included.
  const bool beside = width() >= sideBySideWidth_;
  playsAndTotals_->setDirection(beside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
  totals_->setMinimumWidth(beside ? totals_->widget()->sizeHint().width() : 0);
  // Below them, the totals leave most of the height to the plays.
  totals_->setMaximumHeight(beside ? QWIDGETSIZE_MAX
                                   : std::max(SmallestSize.height() / 2, height() / 3));
  Plays->setMinimumWidth(beside ? PlaysWidth() : 0);
}

void GameHistoryWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  LayOutTotals();
  // A size the player gives the window, not the one it opened at.
  if (isVisible() && !openedAt_.isEmpty() && event->size() != openedAt_ &&
      !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
    emit SizeChosen(event->size());
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
  grid->setHorizontalSpacing(ColumnGap);
  grid->setVerticalSpacing(RowGap);
  grid->setContentsMargins(Margin / 2, Margin, Margin / 2, Margin);
  // Each column as wide as its heading's longest word and the widest figure
  // a play would put in it, so the table keeps its width as plays come.
  const QFontMetrics bold(DialogPixelFont(13, true));
  const QFontMetrics plain(DialogPixelFont(13));
  const auto widest = [&plain](const QString& text) {
    int wide = 0;
    for (const QString& line : text.split(u'\n'))
      wide = std::max(wide, plain.horizontalAdvance(line));
    return wide;
  };
  QString widestCoin;
  for (const double coin : CoinValues)
    if (widest(HistoryCoinText(coin)) > widest(widestCoin)) widestCoin = HistoryCoinText(coin);
  const QString bigMoney = HistoryMoneyText(99999.99);
  const QString samples[] = {PlayedText(1796740000),
                             widestCoin,
                             CountText(MaxCoins),
                             tr("Free") + u'\n' + tr("Paid"),
                             QString(),
                             bigMoney,
                             bigMoney,
                             bigMoney + QStringLiteral(" \u2192"),
                             QStringLiteral("100% \u2192\n100%")};
  int column = 0;
  for (const char* heading : PlayColumns) {
    int wide = widest(samples[column]);
    for (const QString& word : tr(heading).split(u' '))
      wide = std::max(wide, bold.horizontalAdvance(word));
    if (column == 4) wide = std::max(wide, PictureSize);
    grid->setColumnMinimumWidth(column++, wide);
  }
  if (history.Plays().empty()) {
    auto* none = new QLabel(tr("No plays yet."));
    none->setObjectName(QStringLiteral("NoPlays"));
    none->setAlignment(Qt::AlignCenter);
    none->setFont(DialogPixelFont(15));
    grid->addWidget(none, 0, 0, 1, column);
    grid->setRowStretch(1, 1);
    return table;
  }
  column = 0;
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
             QStringLiteral("%1 \u2192\n%2")
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
    // Where the return so far of 99 games in 100 with this many paid spins ends.
    const auto [low, high] = LuckBand(coins, static_cast<double>(s.paidSpins));
    //: Where the return so far of 99 games in 100 ends; %1 and %2 are returns, such as 80.5%.
    range = tr("%1 to %2").arg(ReturnText(low), ReturnText(high));
    longRunCaption = tr("Long-run return at %n coins (the most used bet):", nullptr, coins);
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
  //: Beside it the lowest and the highest return so far that 99 games in 100 with this many
  //: paid spins end with, by chance alone.
  const QString chance = tr("99 games in 100 with as many paid spins end between:");
  addReturn(PerColumn + 2, chance, QStringLiteral("ChanceCaption"), range,
            QStringLiteral("ChanceRange"));
  return box;
}

QWidget* GameHistoryWindow::MakeCharts(const GameState& game) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  CreditsChart = new ChartPlot(GameCharts::Credits(game.Chart));
  CreditsChart->setObjectName(QStringLiteral("CreditsChart"));
  CreditsChart->SetServices(services_);
  ReturnChart = new ChartPlot(GameCharts::Return(game.Chart, game.Statistics));
  ReturnChart->setObjectName(QStringLiteral("ReturnChart"));
  ReturnChart->SetServices(services_);
  layout->addWidget(CreditsChart, 1);
  layout->addWidget(ReturnChart, 1);
  return page;
}
