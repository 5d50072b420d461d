// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "DialogServices.h"
#include "GameState.h"
#include "Slots.h"

class QFrame;
class QPushButton;
class SavedGamePanel;

// What the slot dialog asks of the game: whether a spin is under way, and
// to open a slot's game in place of the game in play (false when refused).
struct SlotCommands {
  std::function<bool()> busy;
  std::function<bool(const SlotRecord& slot)> open;
};

// Which way the slot dialog works: store the current game in a slot, or
// replace the current game by a slot's.
enum class SlotMode { Save, Open };

// The saved-game slot dialog: eight slots side by side, read afresh from the
// settings file each time the dialog is made. A slot button saves or opens
// and closes the dialog; opening is refused while a spin is running.
class TLoadSave : public QDialog {
  Q_OBJECT

 public:
  // today gives the date a save is stamped with, in the slots' date format.
  // `commands` opens a slot's game (the game session shows and saves it).
  TLoadSave(SlotMode mode, Slots& savedGames, SlotCommands commands, const GameState& state,
            std::string settingsPath, std::function<std::string()> today, DialogServices services,
            QWidget* parent = nullptr);
  ~TLoadSave() override;

  // Fills the caption and the eight panels from the mode and the slots.
  void FormShow();
  // A slot button, for slot 1..8.
  void BitBtn7Click(int slot);
  void HelpBtnClick();

  SlotMode Mode() const { return mode_; }
  // The slot a game was opened from, 0 before one is.
  int OpenedSlot() const { return openedSlot_; }
  SavedGamePanel& Panel(int slot) { return *panels_.at(static_cast<std::size_t>(slot - 1)); }

  QFrame* Bevel1 = nullptr;
  QPushButton* HelpBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void CreatePanels();
  void CreateButtons();
  void SaveInto(int slot);
  void OpenFrom(int slot);

  SlotMode mode_;
  Slots& slots_;
  SlotCommands commands_;
  const GameState& state_;
  std::string settingsPath_;
  std::function<std::string()> today_;
  DialogServices services_;
  std::array<SavedGamePanel*, SlotCount> panels_{};
  int openedSlot_ = 0;
};

// Today's date as the slots keep it: "mm/dd/yy" with the system's date
// separator.
std::string TodaySlotDate();

// A saved game's name as it is kept: at most 100 characters, cut only between
// whole characters.
std::string SlotNameFromInput(const QString& input);
