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
#include "Palette.h"
#include "Pictures.h"

namespace {

constexpr QSize ClientSize{582, 300};
// A fixed dialog frame is 3 px on each side; "Credits:" ends 20 px inside
// the outer width, over the end of its LED field.
constexpr int FrameWidth = 3;
constexpr int TextTop = 20;
constexpr int LedTop = 40;

struct Amount {
  double dollars;
  const char* chip;          // what the chip says, for screen readers
  const char* shortMessage;  // when the credits do not cover it
};

constexpr std::array<Amount, 6> Amounts{{
    {1000.00, "$1,000", "You do not have 1000 credits!"},
    {100.00, "$100", "You do not have 100 credits!"},
    {10.00, "$10", "You do not have 10 credits!"},
    {1.00, "$1", "You do not have 1 credit!"},
    {0.10, "10\u00a2", "You do not have 0.10 credits!"},
    {0.01, "1\u00a2", "You do not have 0.01 credits!"},
}};

constexpr const char* MoreThanBorrowedText =
    "You cannot pay back more credits than you have borrowed!";

constexpr const char* NothingMoreToLendText = "You cannot borrow any more credits!";

constexpr const char* HelpText =
    "Use this screen to borrow credits or pay back credits that you borrowed previously.  "
    "Click on the button representing the amount to borrow (or pay back).\r\n\r\n"
    "To switch between \"borrow\" and \"pay back\" select the mode.";

}  // namespace

TBorrowC::TBorrowC(Machine& machine, const GameState& state, int symbolSize,
                   DialogServices services, QWidget* parent)
    : QDialog(parent),
      machine_(machine),
      state_(state),
      symbolSize_(symbolSize),
      services_(std::move(services)) {
  setObjectName(QStringLiteral("BorrowC"));
  SetUpFixedDialog(*this, ClientSize, BorrowHelpContext);
  setWindowTitle(QStringLiteral("Use this form to borrow or pay back credits"));
  setFont(FaceFont(10, false));
  surface_ = new PaintedSurface(this, [this] { PaintValues(); });
  surface_->setGeometry(0, 0, ClientSize.width(), ClientSize.height());
  surface_->setAccessibleName(QStringLiteral("Credits and borrowed"));
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
  Label1 = new QLabel(QStringLiteral("Mode:"), surface_);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(FaceFont(14, false));
  SetTextColour(*Label1, dialog_colours::Red);
  Label1->adjustSize();
  Label1->move(56, 192);

  RadioButton1 = new QRadioButton(QStringLiteral("Borrow Credits"), surface_);
  RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
  RadioButton1->setGeometry(147, 192, 190, 33);
  RadioButton1->setFont(FaceFont(12, false));
  RadioButton1->setChecked(true);

  RadioButton2 = new QRadioButton(QStringLiteral("Pay Back Credits"), surface_);
  RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
  RadioButton2->setGeometry(355, 192, 190, 33);
  RadioButton2->setFont(FaceFont(12, false));
  NameAmountButtons();
  connect(RadioButton2, &QRadioButton::toggled, this, &TBorrowC::NameAmountButtons);

  BitBtn7 =
      new QPushButton(QIcon(QString::fromLatin1(HelpPicture)), QStringLiteral("&Help"), surface_);
  BitBtn7->setObjectName(QStringLiteral("BitBtn7"));
  BitBtn7->setGeometry(10, 246, 127, 46);
  BitBtn7->setIconSize(QSize(24, 24));
  BitBtn7->setAutoDefault(false);
  connect(BitBtn7, &QPushButton::clicked, this, &TBorrowC::BitBtn7Click);

  OKBtn = new QPushButton(QStringLiteral("&OK"), surface_);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(442, 246, 127, 46);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

// The chips are pictures: a screen reader reads what a press does instead.
void TBorrowC::NameAmountButtons() {
  const QString mode =
      RadioButton2->isChecked() ? QStringLiteral("Pay back ") : QStringLiteral("Borrow ");
  for (std::size_t i = 0; i < Amounts.size(); ++i)
    AmountButtons[i]->setAccessibleName(mode + QString::fromUtf8(Amounts[i].chip));
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
  const MoneyMove result =
      payingBack ? machine_.PayBack(amount.dollars) : machine_.Borrow(amount.dollars);
  switch (result) {
    case MoneyMove::Done:
      // A loan lends only what fits below the money limit, on the credits and
      // on the debt; when nothing fits, nothing moved.
      if (!payingBack && state_.Credits == creditsBefore)
        services_.information(this, QString::fromLatin1(NothingMoreToLendText));
      FormPaint();
      break;
    case MoneyMove::Busy:
      services_.information(this, QString::fromLatin1(WaitForWheelsText));
      break;
    case MoneyMove::NotEnoughCredits:
      services_.information(this, QString::fromLatin1(amount.shortMessage));
      break;
    case MoneyMove::MoreThanBorrowed:
      services_.information(this, QString::fromLatin1(MoreThanBorrowedText));
      break;
  }
}

void TBorrowC::BitBtn7Click() { services_.information(this, QString::fromLatin1(HelpText)); }

void TBorrowC::FormPaint() { surface_->Repaint(); }

void TBorrowC::PaintValues() {
  QImage& canvas = surface_->Canvas();
  canvas.fill(palette::ButtonFace);
  {
    QPainter painter(&canvas);
    painter.setFont(FaceFont(10, false));
    painter.setPen(palette::ButtonText);
    const QFontMetrics metrics(painter.font());
    const QString credits = QStringLiteral("Credits:");
    const int outerWidth = width() + 2 * FrameWidth;
    const int creditsLeft = outerWidth - 20 - metrics.horizontalAdvance(credits);
    painter.drawText(creditsLeft, TextTop + metrics.ascent(), credits);
    painter.drawText(20, TextTop + metrics.ascent(), QStringLiteral("Borrowed:"));
  }
  // Each amount keeps to its own ten cells, however large it is.
  DrawLedTextWithin(*surface_, MoneyText(state_.Credits), width() - 30, LedTop, false, LedGreen,
                    symbolSize_, LedMoneyWidth);
  DrawLedTextWithin(*surface_, MoneyText(state_.Borrowed), 20, LedTop, true, LedRed, symbolSize_,
                    LedMoneyWidth);
  // The LED digits are pictures; their text goes to screen readers.
  surface_->setAccessibleDescription(
      QStringLiteral("Credits: %1. Borrowed: %2.")
          .arg(MoneyText(state_.Credits).trimmed(), MoneyText(state_.Borrowed).trimmed()));
}
