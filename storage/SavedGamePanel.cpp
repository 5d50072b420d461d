// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedGamePanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Fonts.h"
#include "GameState.h"
#include "LedText.h"
#include "MoneyText.h"
#include "Palette.h"

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

}  // namespace

QString SlotMoneyCaption(double amount, const char* word) {
  const std::string trimmed = TrimBlanks(MoneyText(amount).toStdString());
  return QString::fromStdString(trimmed) + QLatin1Char(' ') + QString::fromLatin1(word);
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
  Name->setAccessibleName(QStringLiteral("Name of slot %1").arg(slot));

  Game = MakeLabel(this, QStringLiteral("Game") + n, 8, 28, 129, Qt::AlignLeft);
  date = MakeLabel(this, QStringLiteral("date") + n, 168, 28, 57, Qt::AlignRight);
  credits = MakeLabel(this, QStringLiteral("credits") + n, 8, 48, 105, Qt::AlignLeft);
  borrowed = MakeLabel(this, QStringLiteral("borrowed") + n, 112, 48, 113, Qt::AlignRight);

  Button = new QPushButton(QStringLiteral("OK"), this);
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
  Name->setText(QString::fromStdString(record.Name));
  Name->setCursorPosition(0);
  credits->setText(SlotMoneyCaption(record.Credits, "credits"));
  borrowed->setText(SlotMoneyCaption(record.Borrowed, "borrowed"));
  Game->setText(QString::fromUtf8(ProductTitle));
  date->setText(QString::fromStdString(record.Date));
  // Eight buttons all captioned "OK": a screen reader tells them apart by
  // these.
  Button->setAccessibleName(
      record.Saved
          ? QStringLiteral("Slot %1: %2").arg(slot_).arg(QString::fromStdString(record.Name))
          : QStringLiteral("Slot %1: empty").arg(slot_));
  Button->setAccessibleDescription(
      record.Saved
          ? QStringLiteral("%1, %2, saved %3").arg(credits->text(), borrowed->text(), date->text())
          : QString());
}
