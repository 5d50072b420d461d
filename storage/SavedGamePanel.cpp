// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedGamePanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include "Fonts.h"
#include "GameState.h"
#include "Money.h"
#include "Palette.h"
#include "ReadableNumbers.h"

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& name, int left, int top, int width,
                  Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFont(FaceFont(8, false));
  label->setAlignment(alignment | Qt::AlignVCenter);
  label->setGeometry(left, top, width, QFontMetrics(label->font()).height());
  return label;
}

int AsciiDigit(QChar c) { return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1; }

// The number two ASCII digits at `at` make, or -1.
int TwoDigitsAt(const QString& text, qsizetype at) {
  const int tens = AsciiDigit(text[at]);
  const int ones = AsciiDigit(text[at + 1]);
  return tens < 0 || ones < 0 ? -1 : 10 * tens + ones;
}

}  // namespace

QString SlotDateText(const std::string& stored) {
  const QString text = QString::fromStdString(stored);
  if (text.size() != 8 || AsciiDigit(text[2]) >= 0 || AsciiDigit(text[5]) >= 0) return text;
  const int month = TwoDigitsAt(text, 0);
  const int day = TwoDigitsAt(text, 3);
  const int year = TwoDigitsAt(text, 6);
  if (month < 1 || month > 12 || day < 1 || day > 31 || year < 0) return text;

  return ShortDateText(2000 + year, month, day);
}

SavedGamePanel::SavedGamePanel(int slot, const QString& buttonName, QWidget* parent)
    : QFrame(parent), slot_(slot) {
  setObjectName(QStringLiteral("Panel%1").arg(slot));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);

  const QString n = QString::number(slot);
  Name = new QLineEdit(this);
  Name->setObjectName(QStringLiteral("Name") + n);
  Name->setFont(FaceFont(8, false));
  Name->setFrame(false);
  Name->setGeometry(8, 8, 233, 20);
  QPalette face = Name->palette();
  face.setColor(QPalette::Base, palette::ButtonFace);
  Name->setPalette(face);
  Name->setAccessibleName(tr("Name of slot %1").arg(slot));

  Game = MakeLabel(this, QStringLiteral("Game") + n, 8, 28, 129, Qt::AlignLeft);
  date = MakeLabel(this, QStringLiteral("date") + n, 168, 28, 57, Qt::AlignRight);
  credits = MakeLabel(this, QStringLiteral("credits") + n, 8, 48, 105, Qt::AlignLeft);
  borrowed = MakeLabel(this, QStringLiteral("borrowed") + n, 112, 48, 113, Qt::AlignRight);

  Button = new QPushButton(tr("OK"), this);
  Button->setObjectName(buttonName);
  Button->setGeometry(232, 16, 49, 37);
  // Enter presses the slot's button when it has the focus, as Space does.
  Button->setAutoDefault(true);
  Button->setProperty("tag", slot);
  Name->installEventFilter(this);
}

bool SavedGamePanel::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the name field picks the slot, with the name as typed. Taken
  // here, it goes no further to the dialog's default button.
  if (watched == Name && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Button->click();
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

void SavedGamePanel::ShowRecord(const SlotRecord& record) {
  // A slot never saved offers a name in the player's language; a saved one
  // shows the name it was saved under.
  //: The name offered for a saved game; %1 is the slot's number.
  Name->setText(record.Saved ? QString::fromStdString(record.Name) : tr("Game #%1").arg(slot_));
  Name->setCursorPosition(0);
  //: A saved game's credits; %1 is the amount, such as 1234.56.
  credits->setText(tr("%1 credits").arg(AmountDigits(money::ToCents(record.Credits))));
  //: What a saved game has borrowed; %1 is the amount, such as 1000.00.
  borrowed->setText(tr("%1 borrowed").arg(AmountDigits(money::ToCents(record.Borrowed))));
  Game->setText(QString::fromUtf8(ProductTitle));
  date->setText(SlotDateText(record.Date));
  // Eight buttons all captioned "OK": a screen reader tells them apart by
  // these.
  if (record.Saved) {
    //: A slot button's name for screen readers: the slot's number and the saved game's name.
    Button->setAccessibleName(
        tr("Slot %1: %2").arg(QString::number(slot_), QString::fromStdString(record.Name)));
    //: A slot button's description for screen readers: the saved game's credits, what it
    //: borrowed, and the date it was saved.
    Button->setAccessibleDescription(
        tr("%1, %2, saved %3").arg(credits->text(), borrowed->text(), date->text()));
  } else {
    Button->setAccessibleName(tr("Slot %1: empty").arg(slot_));
    Button->setAccessibleDescription(QString());
  }
}
