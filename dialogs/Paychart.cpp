// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paychart.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <array>

#include "Bevel.h"
#include "Blit.h"
#include "ChartAmounts.h"
#include "DialogLook.h"
#include "HelpContexts.h"
#include "LedText.h"
#include "Palette.h"
#include "SymbolArt.h"

namespace {

constexpr QSize PaychartClientSize{674, 393};
constexpr int IconSize = 24;
constexpr int IconPitch = 34;  // picture plus a 10-px gap
constexpr int RowPitch = 37;
constexpr int PictureLeft = 10;
constexpr int PictureTop = 40;
constexpr int AmountTop = 42;  // the LED cells sit 2 px lower than the pictures
constexpr int TitleLeft = 104;
constexpr int TitleGap = 6;

constexpr const char* RulesText =
    QT_TRANSLATE_NOOP("TPayoffs",
                      "Win 7 free spins and the Bonus Pool by raising the Power Meter to 100%.  "
                      "The Voltaro symbol increases power by 10% of full, and the Power "
                      "Drain symbol reduces it by 50% of current value.");

struct Column {
  const char* heading;
  int right;  // right edge of the heading, the anchor of the amounts
  QColor colour;
  int band;
};

const std::array<Column, ChartColumns>& Columns() {
  static const std::array<Column, ChartColumns> columns{{
      //: Column heading of the payoff chart: what a win pays for one coin on the line.
      {QT_TRANSLATE_NOOP("TPayoffs", "1 Coin"), 197, dialog_colours::LedRed, LedRed},
      {QT_TRANSLATE_NOOP("TPayoffs", "2 Coins"), 311, dialog_colours::LedWhite, LedWhite},
      {QT_TRANSLATE_NOOP("TPayoffs", "3 Coins"), 423, dialog_colours::LedCyan, LedCyan},
      {QT_TRANSLATE_NOOP("TPayoffs", "4 Coins"), 535, dialog_colours::LedMagenta, LedMagenta},
      {QT_TRANSLATE_NOOP("TPayoffs", "5 Coins"), 647, dialog_colours::LedGreen, LedGreen},
  }};
  return columns;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font,
                  const QColor& colour) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  SetTextColour(*label, colour);
  label->adjustSize();
  return label;
}

}  // namespace

TPayoffs::TPayoffs(const GameState& state, const Settings& settings, QString programDir,
                   std::function<int()> symbolSize, DialogServices services, QWidget* parent)
    : QDialog(parent),
      state_(state),
      settings_(settings),
      programDir_(std::move(programDir)),
      symbolSize_(std::move(symbolSize)),
      services_(std::move(services)) {
  setObjectName(QStringLiteral("Payoffs"));
  SetUpFixedDialog(*this, PaychartClientSize, PaychartHelpContext);
  setFont(DialogPixelFont(13));
  surface_ = new PaintedSurface(this, [this] { PaintChart(); });
  surface_->setGeometry(0, 0, PaychartClientSize.width(), PaychartClientSize.height());
  // Pictures and digits drawn at the screen's own pixels, as the face is.
  surface_->FollowScreenRatio();
  surface_->setAccessibleName(tr("Payoffs"));
  // The amounts are pictures; their text is the panel's description, and
  // Tab brings a screen reader to it.
  surface_->setFocusPolicy(Qt::TabFocus);
  CreateHeadings();
  FormCreate();
}

TPayoffs::~TPayoffs() = default;

CanvasWidget& TPayoffs::Surface() { return *surface_; }

void TPayoffs::CreateHeadings() {
  const QFont headingFont = DialogPixelFont(19, true);
  std::array<QLabel**, ChartColumns> headings{&Label1, &Label2, &Label3, &Label6, &Label7};
  const std::array<const char*, ChartColumns> names{"Label1", "Label2", "Label3", "Label6",
                                                    "Label7"};
  for (int n = 0; n < ChartColumns; ++n) {
    const Column& column = Columns()[static_cast<std::size_t>(n)];
    QLabel* label = MakeLabel(surface_, names[static_cast<std::size_t>(n)], tr(column.heading),
                              headingFont, column.colour);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Lit like the digits under it: the bright colours read on black, not
    // on the grey face.
    SetTextColours(*label, column.colour, dialog_colours::LedPlate);
    // Sized to the text, the right edge stays where the amounts are anchored.
    label->move(column.right - label->width(), 8);
    *headings[static_cast<std::size_t>(n)] = label;
  }
}

void TPayoffs::FormCreate() {
  Memo1 = MakeLabel(surface_, "Memo1", tr(RulesText), DialogPixelFont(13), dialog_colours::Black);
  Memo1->setWordWrap(true);
  Memo1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Memo1->setAutoFillBackground(true);
  // A substitute face may wrap the rules onto a third line; let the box
  // grow into the gap above the coin value rather than cut the last line.
  Memo1->setGeometry(40, 304, 585, std::clamp(Memo1->heightForWidth(585), 41, 48));

  const QFont large = DialogPixelFont(32, true);
  Label5 = MakeLabel(surface_, "Label5", QString(), large, dialog_colours::Red);
  Label5->move(40, 352);
  Label4 = MakeLabel(surface_, "Label4", QString(), large, dialog_colours::Black);
  Label4->move(TitleLeft, 352);

  Button1 = new QPushButton(tr("&OK"), surface_);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setFont(DialogPixelFont(13));
  Button1->setGeometry(537, 352, 89, 33);
  Button1->setDefault(true);
  Button1->setFocus();
  connect(Button1, &QPushButton::clicked, this, &TPayoffs::Button1Click);
}

void TPayoffs::showEvent(QShowEvent* event) {
  FormShow();
  CentreOnScreen(*this);
  QDialog::showEvent(event);
}

void TPayoffs::FormShow() {
  QImage source;
  sharpArt_ = QImage();
  if (const auto error = LoadSymbolArtFile(programDir_, SmallestArtSize, source)) {
    // Without the art the amounts are still shown.
    artSheet_ = QImage();
    chartArt_ = QImage();
    if (services_.warning) services_.warning(this, *error);
  } else {
    artSheet_ = source;
    chartArt_ = source
                    .scaled(source.width() / 4, source.height() / 4, Qt::IgnoreAspectRatio,
                            Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
  }

  Label4->setText(QString::fromUtf8(ProductTitle));
  Label4->adjustSize();
  Label5->setText(CoinValueCaption(settings_.Bet, state_.CoinValue));
  Label5->adjustSize();
  // A wide substitute face can make "50¢" reach the title; keep them apart.
  Label4->move(std::max(TitleLeft, Label5->x() + Label5->width() + TitleGap), Label4->y());
  //: The payoff chart's title; %1 is the game's name.
  setWindowTitle(tr("%1 Payoffs").arg(Label4->text()));
  FormPaint();
}

void TPayoffs::FormPaint() { surface_->Repaint(); }

void TPayoffs::Button1Click() { accept(); }

void TPayoffs::PaintChart() {
  surface_->Canvas().fill(palette::ButtonFace);
  for (int row = 0; row < 6; ++row) DrawSymbolRow(PictureLeft, PictureTop + RowPitch * row, row);
  // Two of symbol 5 and anything on the third wheel: two pictures only.
  const int lastTop = PictureTop + RowPitch * 6;
  for (int wheel = 0; wheel < 2; ++wheel) {
    const int x = PictureLeft + IconPitch * wheel;
    DrawSymbolIcon(x, lastTop, 5);
    DrawBevel(*surface_, x, lastTop, x + IconSize, lastTop + IconSize, BevelNarrowRaised);
  }
  DrawAmounts();
}

const QImage& TPayoffs::ChartArtAtRatio() {
  const qreal ratio = surface_->CanvasRatio();
  if (ratio == 1.0 || artSheet_.isNull()) return chartArt_;
  if (sharpArt_.isNull() || sharpArt_.devicePixelRatio() != ratio) {
    const QSize device = blit::DeviceRect(blit::LogicalRect(chartArt_), ratio).size();
    sharpArt_ = artSheet_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    sharpArt_.setDevicePixelRatio(ratio);
  }
  return sharpArt_;
}

void TPayoffs::DrawSymbolIcon(int x, int y, int symbol) {
  const QRect cell(IconSize * (symbol % 3), IconSize * (symbol / 3), IconSize, IconSize);
  blit::Copy(surface_->Canvas(), {x, y}, ChartArtAtRatio(), cell);
  surface_->ShowRect(QRect(x, y, IconSize, IconSize));
}

void TPayoffs::DrawSymbolRow(int x, int y, int symbol) {
  DrawSymbolIcon(x, y, symbol);
  DrawBevel(*surface_, x, y, x + IconSize, y + IconSize, BevelNarrowRaised);
  // The other two pictures are copies of the first, taken from the canvas
  // in its device pixels.
  const qreal ratio = surface_->CanvasRatio();
  QImage picture =
      surface_->Canvas().copy(blit::DeviceRect(QRect(x, y, IconSize, IconSize), ratio));
  picture.setDevicePixelRatio(ratio);
  for (int copy = 1; copy <= 2; ++copy) {
    const int left = x + IconPitch * copy;
    blit::Copy(surface_->Canvas(), {left, y}, picture, QRect(0, 0, IconSize, IconSize));
    surface_->ShowRect(QRect(left, y, IconSize, IconSize));
    DrawBevel(*surface_, left, y, left + IconSize, y + IconSize, BevelNarrowRaised);
  }
}

void TPayoffs::DrawAmounts() {
  const int symbolSize = symbolSize_ ? symbolSize_() : SmallestArtSize;
  for (int row = 0; row < ChartRows; ++row) {
    for (int coins = 1; coins <= ChartColumns; ++coins) {
      const Column& column = Columns()[static_cast<std::size_t>(coins - 1)];
      const QString text = ChartAmountText(ChartAmount(row, coins, state_.CoinValue), coins);
      DrawLedText(*surface_, text, column.right, AmountTop + RowPitch * row, false, column.band,
                  symbolSize);
    }
  }
  surface_->setAccessibleDescription(ChartText(state_.CoinValue));
}
