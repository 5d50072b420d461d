// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "ButtonPlaces.h"
#include "FaceLayout.h"
#include "MachineFace.h"
#include "Pictures.h"
#include "Reels.h"
#include "Slot.h"
#include "SymbolArt.h"

namespace {

constexpr int ButtonWidth = 132;
constexpr int ButtonHeight = 49;
constexpr int ButtonTop = 4;
constexpr int StartClientWidth = 632;
constexpr int StartClientHeight = 394;

QPushButton* MakeButton(QWidget* panel, const char* name, const QString& caption,
                        const QString& hint, const char* picture) {
  auto* button = new QPushButton(QIcon(QString::fromLatin1(picture)), caption, panel);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  button->setFont(font);
  QPalette text = button->palette();
  text.setColor(QPalette::ButtonText, Qt::black);
  button->setPalette(text);
  button->setIconSize(QSize(24, 24));
  button->setGeometry(0, ButtonTop, ButtonWidth, ButtonHeight);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

void TForm1::CreatePanel() {
  InitPictures();
  auto* panel = new QFrame(client_);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setAutoFillBackground(true);
  Panel1 = panel;

  // A button's caption is its accessible name and its tooltip the
  // description a screen reader gives.
  //: The button that places one coin.
  BitBtn1 = MakeButton(panel, "BitBtn1", tr("Bet 1"), tr("Bet one coin"), Bet1Picture);
  //: The button that places the most coins a spin takes.
  BitBtn2 = MakeButton(panel, "BitBtn2", tr("Bet Max"), tr("Bet maximum credits"), BetMaxPicture);
  BitBtn3 = MakeButton(panel, "BitBtn3", tr("Payoff Chart"), tr("View the Payoff Chart"),
                       PayoffChartPicture);
  //: The button that spins the wheels.
  Button1 = MakeButton(panel, "Button1", tr("Spin"), tr("Spins the slot wheels"), SpinPicture);
  Button1->setDefault(true);
  // Plain letter keys: the menus open with Alt and a letter, and Space and
  // Enter keep pressing the focused and the default button.
  BitBtn1->setShortcut(QKeySequence(Qt::Key_B));
  BitBtn2->setShortcut(QKeySequence(Qt::Key_M));
  BitBtn3->setShortcut(QKeySequence(Qt::Key_P));
  Button1->setShortcut(QKeySequence(Qt::Key_S));
  connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
  connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  // The tab order follows the window: the face above, then the buttons
  // left to right, back round to the face; "Spin" holds the focus at start.
  setTabOrder(face_, BitBtn1);
  setTabOrder(BitBtn1, BitBtn2);
  setTabOrder(BitBtn2, BitBtn3);
  setTabOrder(BitBtn3, Button1);
  Button1->setFocus();
}

void TForm1::PlaceWindow() {
  // The start-up client area, centred on the screen.
  normalClientSize_ = QSize(StartClientWidth, StartClientHeight);
  client_->resize(normalClientSize_);
  resize(StartClientWidth, StartClientHeight + menuBar()->sizeHint().height());
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TForm1::PlaceClientArea() {
  const QSize client = client_->size();
  face_->setGeometry(0, 0, client.width(), std::max(0, client.height() - PanelHeight));
  Panel1->setGeometry(0, client.height() - PanelHeight, client.width(), PanelHeight);
}

void TForm1::PlaceButtons() {
  const std::array<int, 4> lefts = ButtonLefts(Panel1->width(), Button1->width());
  const std::array<QPushButton*, 4> buttons{BitBtn1, BitBtn2, BitBtn3, Button1};
  for (std::size_t i = 0; i < buttons.size(); ++i) buttons[i]->move(lefts[i], ButtonTop);
}

void TForm1::FormResize() {
  lastClientSize_ = client_->size();
  PlaceClientArea();
  const int symbolSize = ArtSizeFor(lastClientSize_, face_->SymbolSize());
  // The art is read again only for a new size, or after a failed read.
  const bool newArt = symbolSize != face_->SymbolSize() || face_->SymbolArt().isNull();
  face_->SetSymbolSize(symbolSize);
  // The strips do not depend on the art, so a missing art file never leaves
  // the wheels without strips to spin.
  machine_->PutStripsOnWheels();
  ShowGameAtRest();
  const auto error = newArt ? face_->LoadSymbolArt(environment_.programDir) : std::nullopt;
  PlaceButtons();
  if (error) environment_.dialogs.warning(this, *error);
  face_->RepaintMachine();
}

void TForm1::PressDefaultButton() {
  // Enter presses the button that has the focus, else the default one.
  auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
  QPushButton* target = focused != nullptr && focused->parentWidget() == Panel1 ? focused : Button1;
  if (target->isEnabled()) target->click();
}
