// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonPanel.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <array>

#include "ButtonPlaces.h"
#include "FaceLayout.h"
#include "Fonts.h"
#include "Pictures.h"

namespace {

constexpr int ButtonWidth = 132;
constexpr int ButtonHeight = 49;
constexpr int ButtonTop = 4;

// A button's picture, from ready pixels: no image reader, which would first
// load the image format plugins, and no decoding before the first paint. A
// picture that cannot be read leaves the button without one, and says so.
QIcon ButtonPicture(const char* pixels) {
  const QImage picture = ReadyPixels(pixels, ButtonPictureSize);
  if (picture.isNull()) {
    qWarning("Cannot read the button picture %s", pixels);
    return {};
  }
  return QIcon(QPixmap::fromImage(picture));
}

QPushButton* MakeButton(QWidget* panel, const char* name, const QString& caption,
                        const QString& hint, const char* picture) {
  auto* button = new QPushButton(ButtonPicture(picture), caption, panel);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  QFont font = ClassicFont(QStringLiteral("Arial"));
  font.setPixelSize(13);
  button->setFont(font);
  QPalette text = button->palette();
  text.setColor(QPalette::ButtonText, Qt::black);
  button->setPalette(text);
  button->setIconSize(ButtonPictureSize);
  button->setGeometry(0, ButtonTop, ButtonWidth, ButtonHeight);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

ButtonPanel::ButtonPanel(QWidget& client, QWidget& face, const Clicks& clicks) {
  InitPictures();
  auto* panel = new QFrame(&client);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setAutoFillBackground(true);
  Panel1 = panel;

  // A button's caption is its accessible name and its tooltip the
  // description a screen reader gives.
  //: The button that places one coin.
  BitBtn1 = MakeButton(panel, "BitBtn1", tr("Bet 1"), tr("Bet one coin"), Bet1Pixels);
  //: The button that places the most coins a spin takes.
  BitBtn2 = MakeButton(panel, "BitBtn2", tr("Bet Max"), tr("Bet maximum credits"), BetMaxPixels);
  BitBtn3 = MakeButton(panel, "BitBtn3", tr("Payoff Chart"), tr("View the Payoff Chart"),
                       PayoffChartPixels);
  //: The button that spins the wheels.
  Button1 = MakeButton(panel, "Button1", tr("Spin"), tr("Spins the slot wheels"), SpinPixels);
  Button1->setDefault(true);
  // Plain letter keys: the menus open with Alt and a letter, and Space and
  // Enter keep pressing the focused and the default button.
  BitBtn1->setShortcut(QKeySequence(Qt::Key_B));
  BitBtn2->setShortcut(QKeySequence(Qt::Key_M));
  BitBtn3->setShortcut(QKeySequence(Qt::Key_P));
  Button1->setShortcut(QKeySequence(Qt::Key_S));
  const std::array<std::pair<QPushButton*, std::function<void()>>, 4> runs{
      {{BitBtn1, clicks.bet1},
       {BitBtn2, clicks.betMax},
       {BitBtn3, clicks.payoffChart},
       {Button1, clicks.spin}}};
  for (const auto& [button, run] : runs)
    QObject::connect(button, &QPushButton::clicked, panel, [run] { run(); });
  // The tab order follows the window: the face above, then the buttons
  // left to right, back round to the face; "Spin" holds the focus at start.
  QWidget::setTabOrder(&face, BitBtn1);
  QWidget::setTabOrder(BitBtn1, BitBtn2);
  QWidget::setTabOrder(BitBtn2, BitBtn3);
  QWidget::setTabOrder(BitBtn3, Button1);
  Button1->setFocus();
}

void ButtonPanel::PlaceAt(QSize client) {
  Panel1->setGeometry(0, client.height() - PanelHeight, client.width(), PanelHeight);
}

void ButtonPanel::PlaceButtons() {
  const std::array<int, 4> lefts = ButtonLefts(Panel1->width(), Button1->width());
  const std::array<QPushButton*, 4> buttons{BitBtn1, BitBtn2, BitBtn3, Button1};
  for (std::size_t i = 0; i < buttons.size(); ++i) buttons[i]->move(lefts[i], ButtonTop);
}

void ButtonPanel::SetEnabled(bool enabled) {
  for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3, Button1}) button->setEnabled(enabled);
}

bool ButtonPanel::SpinEnabled() const { return Button1->isEnabled(); }

void ButtonPanel::FocusSpin() { Button1->setFocus(); }

void ButtonPanel::PressDefault() {
  auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
  QPushButton* target = focused != nullptr && focused->parentWidget() == Panel1 ? focused : Button1;
  if (target->isEnabled()) target->click();
}
