// SPDX-License-Identifier: GPL-3.0-or-later
#include "Borrow.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "DialogLook.h"
#include "Fonts.h"
#include "HelpContexts.h"
#include "LedText.h"
#include "Money.h"
#include "Palette.h"
#include "Pictures.h"
#include "ReadableNumbers.h"

namespace {

constexpr QSize BorrowClientSize{582, 300};
// A fixed dialog frame is 3 px on each side; "Credits:" ends 20 px inside
// the outer width, over the end of its LED field.
constexpr int FrameWidth = 3;
constexpr int TextTop = 20;
constexpr int LedTop = 40;

struct Amount {
  std::int64_t cents;
  const char* chip;  // what the chip says, for screen readers
};

constexpr std::array<Amount, 6> Amounts{{
    //: The amount on a chip in the borrow dialog, read out by screen readers.
    {100000, QT_TRANSLATE_NOOP("TBorrowC", "$1,000")},
    //: The amount on a chip in the borrow dialog, read out by screen readers.
    {10000, QT_TRANSLATE_NOOP("TBorrowC", "$100")},
    //: The amount on a chip in the borrow dialog, read out by screen readers.
    {1000, QT_TRANSLATE_NOOP("TBorrowC", "$10")},
    //: The amount on a chip in the borrow dialog, read out by screen readers.
    {100, QT_TRANSLATE_NOOP("TBorrowC", "$1")},
    //: The amount on a chip in the borrow dialog (ten cents), read out by screen readers.
    {10, QT_TRANSLATE_NOOP("TBorrowC", "10\u00a2")},
    //: The amount on a chip in the borrow dialog (one cent), read out by screen readers.
    {1, QT_TRANSLATE_NOOP("TBorrowC", "1\u00a2")},
}};

constexpr const char* HelpText = QT_TRANSLATE_NOOP(
    "TBorrowC",
    "Use this screen to borrow credits or pay back credits that you borrowed previously.  "
    "Click on the button representing the amount to borrow (or pay back).\r\n\r\n"
    "To switch between \"borrow\" and \"pay back\" select the mode.");

}  // namespace

TBorrowC::TBorrowC(MoneyCommand move, const GameState& state, int symbolSize,
                   DialogServices services, QWidget* parent)
    : QDialog(parent),
      move_(std::move(move)),
      state_(state),
      symbolSize_(symbolSize),
      services_(std::move(services)) {
  setObjectName(QStringLiteral("BorrowC"));
  SetUpFixedDialog(*this, BorrowClientSize, BorrowHelpContext);
  setWindowTitle(tr("Use this form to borrow or pay back credits"));
  setFont(FaceFont(10, false));
  surface_ = new PaintedSurface(this, [this] { PaintValues(); });
  surface_->setGeometry(0, 0, BorrowClientSize.width(), BorrowClientSize.height());
  // The LED readouts drawn at the screen's own pixels, as the face's are.
  surface_->FollowScreenRatio();
  surface_->setAccessibleName(tr("Credits and borrowed"));
  CreateAmountButtons();
  CreateModeAndButtons();
}

TBorrowC::~TBorrowC() = default;

CanvasWidget& TBorrowC::Surface() { return *surface_; }

void TBorrowC::CreateAmountButtons() {
  InitPictures();
  constexpr std::array<int, 6> lefts{9, 105, 201, 297, 393, 489};
  for (int i = 0; i < 6; ++i) {
    const auto index = static_cast<std::size_t>(i);
    auto* button = new QPushButton(surface_);
    button->setObjectName(QStringLiteral("BitBtn%1").arg(i + 1));
    button->setGeometry(lefts[index], 104, 80, 57);
    button->setIcon(QIcon(QString::fromLatin1(ChipPictures[index])));
    button->setIconSize(QSize(72, 48));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, i] { AmountClick(i); });
    AmountButtons[index] = button;
  }
}

void TBorrowC::CreateModeAndButtons() {
  Label1 = new QLabel(tr("Mode:"), surface_);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(FaceFont(14, false));
  SetTextColour(*Label1, dialog_colours::Red);
  Label1->adjustSize();
  Label1->move(56, 192);

  //: The mode choice; & marks the access key, as on "Pay Back Credits".
  RadioButton1 = new QRadioButton(tr("&Borrow Credits"), surface_);
  RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
  RadioButton1->setGeometry(147, 192, 190, 33);
  RadioButton1->setFont(FaceFont(12, false));
  RadioButton1->setChecked(true);

  RadioButton2 = new QRadioButton(tr("&Pay Back Credits"), surface_);
  RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
  RadioButton2->setGeometry(355, 192, 190, 33);
  RadioButton2->setFont(FaceFont(12, false));
  LetArrowsMoveInGroup({RadioButton1, RadioButton2});
  NameAmountButtons();
  connect(RadioButton2, &QRadioButton::toggled, this, &TBorrowC::NameAmountButtons);

  BitBtn7 = new QPushButton(QIcon(QString::fromLatin1(HelpPicture)), tr("&Help"), surface_);
  BitBtn7->setObjectName(QStringLiteral("BitBtn7"));
  BitBtn7->setGeometry(10, 246, 127, 46);
  BitBtn7->setIconSize(QSize(24, 24));
  BitBtn7->setAutoDefault(false);
  connect(BitBtn7, &QPushButton::clicked, this, &TBorrowC::BitBtn7Click);

  OKBtn = new QPushButton(tr("&OK"), surface_);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(442, 246, 127, 46);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

// The chips are pictures: a screen reader reads what a press does instead.
void TBorrowC::NameAmountButtons() {
  //: A chip button's name while paying back; %1 is the amount on the chip, such as $100.
  const QString payBack = tr("Pay back %1");
  //: A chip button's name while borrowing; %1 is the amount on the chip, such as $100.
  const QString borrow = tr("Borrow %1");
  const QString& action = RadioButton2->isChecked() ? payBack : borrow;
  for (std::size_t i = 0; i < Amounts.size(); ++i)
    AmountButtons[i]->setAccessibleName(action.arg(tr(Amounts[i].chip)));
}

void TBorrowC::showEvent(QShowEvent* event) {
  FormPaint();
  CentreOnScreen(*this);
  QDialog::showEvent(event);
}

void TBorrowC::AmountClick(int index) {
  const Amount& amount = Amounts.at(static_cast<std::size_t>(index));
  const double creditsBefore = state_.Credits;
  const bool payingBack = RadioButton2->isChecked();
  const double dollars = money::FromCents(amount.cents);
  const MoneyMove result =
      move_(payingBack ? MoneyRequest::PayBack : MoneyRequest::Borrow, dollars);
  switch (result) {
    case MoneyMove::Done:
      // A loan lends only what fits below the money limit, on the credits and
      // on the debt; when nothing fits, nothing changes.
      if (!payingBack && state_.Credits == creditsBefore)
        services_.information(this, tr("You cannot borrow any more credits!"));
      FormPaint();
      break;
    case MoneyMove::Busy:
      services_.information(this, WaitForWheelsMessage());
      break;
    case MoneyMove::NotEnoughCredits:
      services_.information(this, NotEnoughCreditsMessage(amount.cents));
      break;
    case MoneyMove::MoreThanBorrowed:
      services_.information(this, tr("You cannot pay back more credits than you have borrowed!"));
      break;
  }
}

QString TBorrowC::NotEnoughCreditsMessage(std::int64_t cents) {
  if (cents == 100) return tr("You do not have 1 credit!");
  // Whole amounts are written without cents, as on the chips.
  const QString amount = cents % 100 == 0 ? CountText(cents / 100) : AmountDigits(cents);
  //: %1 is an amount of credits, such as 1000 or 0.10.
  return tr("You do not have %1 credits!").arg(amount);
}

void TBorrowC::BitBtn7Click() { services_.information(this, tr(HelpText)); }

void TBorrowC::FormPaint() { surface_->Repaint(); }

void TBorrowC::PaintValues() {
  QImage& canvas = surface_->Canvas();
  canvas.fill(palette::ButtonFace);
  {
    QPainter painter(&canvas);
    painter.setFont(FaceFont(10, false));
    painter.setPen(palette::ButtonText);
    const QFontMetrics metrics(painter.font());
    //: Over the player's credits in the borrow dialog.
    const QString credits = tr("Credits:");
    const int outerWidth = width() + 2 * FrameWidth;
    const int creditsLeft = outerWidth - 20 - metrics.horizontalAdvance(credits);
    painter.drawText(creditsLeft, TextTop + metrics.ascent(), credits);
    //: Over the amount the player has borrowed, in the borrow dialog.
    painter.drawText(20, TextTop + metrics.ascent(), tr("Borrowed:"));
  }
  // Each amount keeps to its own ten cells, however large it is.
  DrawLedTextWithin(*surface_, MoneyText(state_.Credits), width() - 30, LedTop, false, LedGreen,
                    symbolSize_, LedMoneyWidth);
  DrawLedTextWithin(*surface_, MoneyText(state_.Borrowed), 20, LedTop, true, LedRed, symbolSize_,
                    LedMoneyWidth);
  // The LED digits are pictures; their text goes to screen readers.
  surface_->setAccessibleDescription(tr("Credits: %1. Borrowed: %2.")
                                         .arg(AmountDigits(money::ToCents(state_.Credits)),
                                              AmountDigits(money::ToCents(state_.Borrowed))));
}
