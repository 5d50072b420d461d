// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sounds.h"

#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "DialogControls.h"
#include "DialogLook.h"
#include "HelpContexts.h"
#include "SoundPlayer.h"

namespace {

// The least room between a sound's name and its Change button.
constexpr int LabelGap = 12;

}  // namespace

TSoundForm::TSoundForm(Settings& settings, SoundPlayer& player, std::string programDir,
                       QWidget* parent, DialogServices services)
    : QDialog(parent),
      settings_(settings),
      player_(player),
      programDir_(std::move(programDir)),
      services_(std::move(services)) {
  setObjectName("SoundForm");
  setWindowTitle(tr("Change Sounds (WAV Files)"));
  SetUpFixedDialog(*this, QSize(394, 397), SoundHelpContext);

  Bevel1 = new QFrame(this);
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setGeometry(8, 16, 377, 337);

  BuildRow(24, Label1, tr("Bonus Sound:"),
           tr("This is the sound that plays when you get the Power Meter to 100%."), Button1,
           Button6);
  BuildRow(72, Label3, tr("Count Down Sound"),
           tr("This is the sound which plays when you get a Power Drain symbol on the screen"),
           Button3, Button8);
  BuildRow(120, Label4, tr("Count Up Sound"), QString(), Button4, Button9);
  BuildRow(168, Label2, tr("Lose Sound:"), tr("This is a sound which plays on a losing spin."),
           Button2, Button7);
  BuildRow(216, Label5, tr("Win Sound:"), tr("This is a sound which plays on a winning spin."),
           Button5, Button10);
  // A longer name than the English ones moves the Change buttons over to
  // give it room; Preview stays where it is.
  int widest = 0;
  for (const QLabel* label : {Label1, Label2, Label3, Label4, Label5})
    widest = std::max(widest, label->x() + label->width());
  const int changeLeft = std::max(176, widest + LabelGap);
  for (QPushButton* change : {Button1, Button2, Button3, Button4, Button5})
    change->move(changeLeft, change->y());

  Button11 = MakeButton(this, tr("&Restore Default Sounds"), 16, 304, 353, 33);
  Button11->setToolTip(
      tr("Click this button to use the default (original) sounds for the above events."));
  BitBtn1 = MakeButton(this, tr("&Help"), 16, 364, 153, 27);
  OKBtn = MakeButton(this, tr("&OK"), 224, 364, 153, 27);
  OKBtn->setDefault(true);

  connect(Button1, &QPushButton::clicked, this, &TSoundForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TSoundForm::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TSoundForm::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TSoundForm::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &TSoundForm::Button5Click);
  connect(Button6, &QPushButton::clicked, this, &TSoundForm::Button6Click);
  connect(Button7, &QPushButton::clicked, this, &TSoundForm::Button7Click);
  connect(Button8, &QPushButton::clicked, this, &TSoundForm::Button8Click);
  connect(Button9, &QPushButton::clicked, this, &TSoundForm::Button9Click);
  connect(Button10, &QPushButton::clicked, this, &TSoundForm::Button10Click);
  connect(Button11, &QPushButton::clicked, this, &TSoundForm::Button11Click);
  connect(BitBtn1, &QPushButton::clicked, this, [this] {
    if (services_.help) services_.help(SoundHelpContext);
  });
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

  setTabOrder(OKBtn, BitBtn1);
  OKBtn->setFocus();
}

void TSoundForm::BuildRow(int top, QLabel*& label, const QString& text, const QString& hint,
                          QPushButton*& change, QPushButton*& preview) {
  label = new QLabel(text, this);
  QFont bold = label->font();
  bold.setBold(true);
  bold.setPixelSize(13);
  label->setFont(bold);
  label->move(16, top);
  label->adjustSize();
  if (!hint.isEmpty()) label->setToolTip(hint);
  //: A button that picks another sound file for the event; & marks its access key.
  change = MakeButton(this, tr("&Change"), 176, top, 81, 25);
  change->setToolTip(tr("Click this button to browse your hard drive for a sound for this event."));
  //: A button that plays the event's sound file; & marks its access key.
  preview = MakeButton(this, tr("&Preview"), 288, top, 81, 25);
  preview->setToolTip(tr("Click this button to play the currently selected sound file."));
  // Five buttons of each kind: a screen reader names the sound each acts on.
  QString sound = text;
  if (sound.endsWith(u':')) sound.chop(1);
  sound = sound.trimmed();  // French puts a space before the colon
  //: What a screen reader calls a row's Change button; %1 is the sound, such as Win Sound.
  change->setAccessibleName(tr("Change %1").arg(sound));
  //: What a screen reader calls a row's Preview button; %1 is the sound, such as Win Sound.
  preview->setAccessibleName(tr("Preview %1").arg(sound));
}

void TSoundForm::ChangePath(std::string& path) {
  if (!services_.openFile) return;
  // The file dialog's filter: its name, then the patterns, which stay.
  //: The kind of file the sound dialog lists.
  const QString filterName = tr("Wav Files");
  //: The title of the file dialog that picks a sound file.
  const QString chosen = services_.openFile(this, tr("Open"), initialFolder_,
                                            QStringLiteral("%1|*.WAV").arg(filterName));
  if (chosen.isEmpty()) return;
  path = chosen.toStdString().substr(0, PathCapacity);
  initialFolder_ = QFileInfo(chosen).absolutePath();
}

void TSoundForm::Button1Click() { ChangePath(settings_.BonusSound); }
void TSoundForm::Button2Click() { ChangePath(settings_.LoseSound); }
void TSoundForm::Button3Click() { ChangePath(settings_.PowerDownSound); }
void TSoundForm::Button4Click() { ChangePath(settings_.PowerUpSound); }
void TSoundForm::Button5Click() { ChangePath(settings_.WinSound); }
void TSoundForm::Button6Click() { player_.PlayFile(settings_.BonusSound); }
void TSoundForm::Button7Click() { player_.PlayFile(settings_.LoseSound); }
void TSoundForm::Button8Click() { player_.PlayFile(settings_.PowerDownSound); }
void TSoundForm::Button9Click() { player_.PlayFile(settings_.PowerUpSound); }
void TSoundForm::Button10Click() { player_.PlayFile(settings_.WinSound); }

void TSoundForm::Button11Click() {
  settings_.WinSound = programDir_ + DefaultWinSound;
  settings_.LoseSound = programDir_ + DefaultLoseSound;
  settings_.PowerUpSound = programDir_ + DefaultPowerUpSound;
  settings_.PowerDownSound = programDir_ + DefaultPowerDownSound;
  settings_.BonusSound = programDir_ + DefaultBonusSound;
}

void TSoundForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && services_.help) {
    services_.help(SoundHelpContext);
    return;
  }
  QDialog::keyPressEvent(event);
}
