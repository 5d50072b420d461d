// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QLocale>
#include <string>

#include "Slots.h"

class QLabel;
class QLineEdit;
class QPushButton;

// One saved-game slot in the slot dialog: its name (which the player may
// edit before saving), the title, the date, the credits and the amount
// borrowed, and the button that saves into it or opens it.
class SavedGamePanel : public QFrame {
  Q_OBJECT

 public:
  // buttonName is the button's component name ("OKBtn", "BitBtn1", ...).
  SavedGamePanel(int slot, const QString& buttonName, QWidget* parent);

  // Fills the controls from a slot record.
  void ShowRecord(const SlotRecord& record);

  int Slot() const { return slot_; }

  QLineEdit* Name = nullptr;
  QLabel* Game = nullptr;
  QLabel* date = nullptr;
  QLabel* credits = nullptr;
  QLabel* borrowed = nullptr;
  QPushButton* Button = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int slot_;
};

// A slot's date as the player's locale orders it. The file keeps month, day
// and two-digit year with the separator of the system the game was saved on
// ("12/08/26", "12.08.26"); a German locale shows it "08.12.26", the C locale
// month first, "12/08/26". A date not of that form is shown as it is stored.
QString SlotDateText(const std::string& stored);
