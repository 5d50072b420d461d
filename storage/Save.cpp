// SPDX-License-Identifier: GPL-3.0-or-later
#include "Save.h"

#include <QDate>
#include <QFrame>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "DialogLook.h"
#include "Fonts.h"
#include "HelpContexts.h"
#include "ProfileValues.h"
#include "ReadableNumbers.h"
#include "SavedGamePanel.h"

namespace {

constexpr QSize ClientSize{616, 360};

// The slot buttons' component names, slots 1 to 8.
constexpr std::array<const char*, SlotCount> ButtonNames{
    "OKBtn", "BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7"};

}  // namespace

std::string TodaySlotDate() {
  const QDate today = QDate::currentDate();
  return SlotDate(today.year(), today.month(), today.day(),
                  ShortDateSeparator(QLocale::system()).toStdString());
}

std::string SlotNameFromInput(const QString& input) {
  // Whole characters, as the settings file cuts them; a surrogate pair is one.
  return CutText(input.toStdString(), SlotNameCapacity);
}

TLoadSave::TLoadSave(SlotMode mode, Slots& savedGames, SlotCommands commands,
                     const GameState& state, std::string settingsPath,
                     std::function<std::string()> today, DialogServices services, QWidget* parent)
    : QDialog(parent),
      mode_(mode),
      slots_(savedGames),
      commands_(std::move(commands)),
      state_(state),
      settingsPath_(std::move(settingsPath)),
      today_(std::move(today)),
      services_(std::move(services)) {
  setObjectName(QStringLiteral("LoadSave"));
  SetUpFixedDialog(*this, ClientSize, SaveHelpContext);
  setFont(FaceFont(8, true));

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setLineWidth(1);
  Bevel1->setMidLineWidth(0);
  Bevel1->setGeometry(0, 8, 617, 297);

  CreatePanels();
  CreateButtons();
  FormCreate();
}

TLoadSave::~TLoadSave() = default;

void TLoadSave::CreatePanels() {
  constexpr std::array<int, 2> columnLefts{16, 312};
  constexpr std::array<int, 4> rowTops{16, 88, 160, 232};
  for (int slot = 1; slot <= SlotCount; ++slot) {
    const auto index = static_cast<std::size_t>(slot - 1);
    auto* panel = new SavedGamePanel(slot, QString::fromLatin1(ButtonNames[index]), this);
    panel->setGeometry(columnLefts[index / 4], rowTops[index % 4], 289, 65);
    connect(panel->Button, &QPushButton::clicked, this, [this, slot] { BitBtn7Click(slot); });
    panels_[index] = panel;
  }
}

void TLoadSave::CreateButtons() {
  HelpBtn = new QPushButton(tr("&Help"), this);
  HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
  HelpBtn->setGeometry(8, 316, 97, 37);
  // Enter presses whichever button has the focus, as on the slot buttons,
  // rather than the dialog's default one.
  HelpBtn->setAutoDefault(true);
  connect(HelpBtn, &QPushButton::clicked, this, &TLoadSave::HelpBtnClick);

  CancelBtn = new QPushButton(tr("&Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setGeometry(508, 316, 97, 37);
  CancelBtn->setAutoDefault(true);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

// The slots are read afresh every time, so the dialog shows what the file
// holds; only FreeSpinsPlayed is kept from earlier saves in this run.
void TLoadSave::FormCreate() { ReadSlots(settingsPath_, slots_, today_()); }

void TLoadSave::showEvent(QShowEvent* event) {
  FormShow();
  CentreOnScreen(*this);
  QDialog::showEvent(event);
}

void TLoadSave::FormShow() {
  setWindowTitle(mode_ == SlotMode::Save ? tr("Save a Game -- Select Game Slot")
                                         : tr("Open a Game -- Select Game Slot"));
  for (int slot = 1; slot <= SlotCount; ++slot) Panel(slot).ShowRecord(slots_[slot]);
}

void TLoadSave::BitBtn7Click(int slot) {
  if (mode_ == SlotMode::Save)
    SaveInto(slot);
  else
    OpenFrom(slot);
}

void TLoadSave::SaveInto(int slot) {
  const std::optional<QString> answer =
      services_.askText(this, tr("Name for this saved game?"), Panel(slot).Name->text());
  if (answer && commands_.busy()) {
    // A spin (auto spin or a free spin) began while the dialog was open: its
    // game is only half played until it settles, so nothing is stored yet.
    services_.information(this, WaitForWheelsMessage());
    return;
  }
  if (answer) {
    const std::string name = SlotNameFromInput(*answer);
    const std::string today = today_();
    // The slot in memory takes the game even if the file cannot.
    slots_[slot] = SlotFromGame(name, state_, today);
    if (const auto error = WriteSlot(settingsPath_, slot, name, state_, today))
      services_.warning(this, QString::fromStdString(*error));
  }
  accept();
}

void TLoadSave::OpenFrom(int slot) {
  const bool done = commands_.open(slots_[slot]);
  if (done) openedSlot_ = slot;
  if (!done) {
    // Nothing happened; the player may pick the slot again once it is over.
    services_.information(this, WaitForWheelsMessage());
    return;
  }
  accept();
}

void TLoadSave::HelpBtnClick() {
  if (services_.help) services_.help(SaveHelpContext);
}
