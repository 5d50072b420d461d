// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHistoryWindow.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "DialogLook.h"
#include "HelpContexts.h"
#include "MachineMath.h"
#include "Money.h"
#include "Palette.h"
#include "Paylines.h"
#include "Reels.h"
#include "SymbolArt.h"

namespace {

// Small enough for an 800 x 600 screen; the plays scroll.
constexpr QSize ClientSize{780, 560};
constexpr int ArtSize = 96;
constexpr const char* NotYetKnown = "Not yet known";

const char* const PlayColumns[] = {"Played", "Coin",      "Coins",   "Spin", "Window",
                                   "Win",    "Pool paid", "Credits", "Meter"};

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

QString Count(std::int64_t n) { return QString::number(n); }

QString PlayedText(std::int64_t secondsSince1970) {
  return QDateTime::fromSecsSinceEpoch(secondsSince1970)
      .toLocalTime()
      .toString(QStringLiteral("yyyy-MM-dd\nhh:mm:ss"));
}

}  // namespace

QString HistoryMoneyText(double amount) {
  const std::int64_t cents = money::ToCents(amount);
  const std::int64_t whole = (cents < 0 ? -cents : cents) / 100;
  const std::int64_t part = (cents < 0 ? -cents : cents) % 100;
  return QStringLiteral("%1$%2.%3")
      .arg(cents < 0 ? QStringLiteral("-") : QString())
      .arg(whole)
      .arg(part, 2, 10, QLatin1Char('0'));
}

QString HistoryCoinText(double coinValue) {
  for (int n = 0; n < CoinValueCount; ++n)
    if (money::ToCents(CoinValues[static_cast<std::size_t>(n)]) == money::ToCents(coinValue))
      return QString::fromUtf8(CoinValueCaptions[static_cast<std::size_t>(n)]);
  return HistoryMoneyText(coinValue);
}

QString ReturnText(double fraction) {
  return QStringLiteral("%1%").arg(100.0 * fraction, 0, 'f', 1);
}

GameHistoryWindow::GameHistoryWindow(const GameState& game, const QString& programDir,
                                     DialogServices services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)) {
  setObjectName(QStringLiteral("GameHistory"));
  SetUpFixedDialog(*this, ClientSize, HistoryHelpContext);
  setFont(DialogPixelFont(13));
  setWindowTitle(QStringLiteral("Game History"));

  QImage art;
  if (const auto error = LoadSymbolArtFile(programDir, ArtSize, art)) {
    // The figures are worth showing without the pictures.
    if (services_.warning) services_.warning(parent, *error);
  } else {
    icons_ = QImage(PictureCell * SymbolCount, PictureCell, QImage::Format_RGB32);
    QPainter painter(&icons_);
    for (int symbol = 0; symbol < SymbolCount; ++symbol) {
      const QImage cell =
          art.copy(ArtSize * (symbol % 3), ArtSize * (symbol / 3), ArtSize, ArtSize)
              .scaled(PictureCell, PictureCell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      painter.drawImage(PictureCell * symbol, 0, cell);
    }
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Heading(QStringLiteral("The last ten plays, newest first")));
  auto* scroll = new QScrollArea;
  scroll->setObjectName(QStringLiteral("Plays"));
  scroll->setWidgetResizable(true);
  scroll->setWidget(MakePlaysTable(game.History));
  layout->addWidget(scroll, 1);
  layout->addWidget(Heading(QStringLiteral("This game since New Game")));
  layout->addWidget(MakeStatistics(game.Statistics));

  Button1 = new QPushButton(QStringLiteral("&OK"));
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button1->setFixedSize(89, 33);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Button1);
  layout->addLayout(buttons);
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
  grid->setHorizontalSpacing(10);
  if (history.Plays().empty()) {
    auto* none = AddLabel(*grid, 0, 0, QStringLiteral("No plays yet."), QStringLiteral("NoPlays"),
                          Qt::AlignCenter);
    none->setFont(DialogPixelFont(15));
    return table;
  }
  int column = 0;
  for (const char* heading : PlayColumns) {
    QLabel* label = AddLabel(*grid, 0, column++, QString::fromLatin1(heading));
    label->setFont(DialogPixelFont(13, true));
  }
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
  int n = 0;
  for (const PlayRecord& play : history.Plays()) {
    ++n;
    const QString name = QStringLiteral("Play%1").arg(n);
    AddLabel(*grid, n, 0, PlayedText(play.playedAt), name + QStringLiteral("Time"));
    AddLabel(*grid, n, 1, HistoryCoinText(play.coinValue), name + QStringLiteral("Coin"), right);
    AddLabel(*grid, n, 2, QString::number(play.coins), name + QStringLiteral("Coins"), right);
    AddLabel(*grid, n, 3, play.free ? QStringLiteral("Free") : QStringLiteral("Paid"),
             name + QStringLiteral("Kind"));
    QLabel* window = AddLabel(*grid, n, 4, QString(), name + QStringLiteral("Window"));
    window->setPixmap(QPixmap::fromImage(WindowPicture(play, icons_)));
    window->setFixedSize(PictureSize, PictureSize);
    AddLabel(*grid, n, 5, HistoryMoneyText(play.win), name + QStringLiteral("Win"), right);
    AddLabel(*grid, n, 6, HistoryMoneyText(play.poolPaid), name + QStringLiteral("Pool"), right);
    AddLabel(*grid, n, 7,
             HistoryMoneyText(play.creditsBefore) + QStringLiteral(" \u2192\n") +
                 HistoryMoneyText(play.creditsAfter),
             name + QStringLiteral("Credits"), right);
    AddLabel(*grid, n, 8,
             QStringLiteral("%1% \u2192 %2%").arg(play.meterBefore).arg(play.meterAfter),
             name + QStringLiteral("Meter"), right);
  }
  grid->setRowStretch(n + 1, 1);
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
      {"Paid spins:", "PaidSpins", Count(s.paidSpins)},
      {"Free spins:", "FreeSpins", Count(s.freeSpins)},
      {"Coins wagered:", "CoinsWagered", Count(s.coinsWagered)},
      {"Money wagered:", "MoneyWagered", HistoryMoneyText(s.moneyWagered)},
      {"Won on lines:", "WonOnLines", HistoryMoneyText(s.wonOnLines)},
      {"Won from the pool:", "WonFromPool", HistoryMoneyText(s.wonFromPool)},
      {"Bonuses:", "Bonuses", Count(s.bonuses)},
      {"Borrowed:", "Borrowed", HistoryMoneyText(s.borrowed)},
      {"Paid back:", "PaidBack", HistoryMoneyText(s.paidBack)},
      {"Biggest win:", "BiggestWin", HistoryMoneyText(s.biggestWin)},
  };
  // Two columns of figures, then the returns across the width.
  constexpr int PerColumn = 5;
  int index = 0;
  for (const Figure& figure : figures) {
    const int row = index % PerColumn;
    const int column = 3 * (index / PerColumn);
    AddLabel(*grid, row, column, QString::fromLatin1(figure.caption));
    AddLabel(*grid, row, column + 1, figure.value, QString::fromLatin1(figure.name), right);
    ++index;
  }
  grid->setColumnMinimumWidth(2, 40);
  grid->setColumnStretch(6, 1);

  const int coins = s.MostUsedCoins();
  QString soFar = QString::fromLatin1(NotYetKnown);
  QString longRun = QString::fromLatin1(NotYetKnown);
  QString range = QString::fromLatin1(NotYetKnown);
  QString longRunCaption = QStringLiteral("Long-run return at the most used bet:");
  if (s.moneyWagered > 0) soFar = ReturnText(s.ReturnPercent() / 100.0);
  if (s.paidSpins > 0 && coins > 0) {
    const MachineFigures& machine = StandardMachineFigures();
    const auto n = static_cast<std::size_t>(coins);
    longRun = ReturnText(machine.longRunReturn[n]);
    // 99 games in 100 of this many paid spins end within this of the long-run return.
    const double spread = Z99 * machine.deviation[n] / std::sqrt(static_cast<double>(s.paidSpins));
    range = QStringLiteral("\u00b1%1 points in 99 games of 100").arg(100.0 * spread, 0, 'f', 1);
    longRunCaption = QStringLiteral("Long-run return at %1 coin%2 (the most used bet):")
                         .arg(coins)
                         .arg(coins == 1 ? QString() : QStringLiteral("s"));
  }
  // The long captions span the first column of figures.
  const auto addReturn = [&](int row, const QString& caption, const QString& captionName,
                             const QString& value, const QString& name) {
    auto* label = new QLabel(caption);
    if (!captionName.isEmpty()) label->setObjectName(captionName);
    grid->addWidget(label, row, 0, 1, 4);
    AddLabel(*grid, row, 4, value, name, right);
  };
  addReturn(PerColumn, QStringLiteral("Return so far:"), {}, soFar, QStringLiteral("ReturnSoFar"));
  addReturn(PerColumn + 1, longRunCaption, QStringLiteral("LongRunCaption"), longRun,
            QStringLiteral("LongRunReturn"));
  addReturn(PerColumn + 2, QStringLiteral("Apart by chance at this many spins:"), {}, range,
            QStringLiteral("ChanceRange"));
  return box;
}
