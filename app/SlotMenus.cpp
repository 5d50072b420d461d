// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMenu>
#include <QMenuBar>
#include <array>

#include "GameState.h"
#include "Slot.h"

namespace {

using Handler = void (TForm1::*)();

QMenu* AddSubmenu(QWidget* parent, QMenu* into, const char* name, const QString& caption) {
  auto* menu = new QMenu(caption, parent);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  if (into != nullptr) into->addMenu(menu);
  return menu;
}

// The commands that change the game in play; they wait while a bet or spin
// runs, disabled rather than refused, so no box stops the wheels.
constexpr std::array<const char*, 10> GameCommandItems{
    "NewGame2", "Open1", "Save1", "N5001", "N1001",
    "N50c1",    "N25c1", "N10c1", "N5c1",  "BorrowCredits1"};

}  // namespace

void TForm1::SetGameCommandsEnabled(bool enabled) {
  for (const char* name : GameCommandItems)
    findChild<QAction*>(QString::fromLatin1(name))->setEnabled(enabled);
}

void TForm1::CreateMenus() {
  // A check-mark item's handler decides its mark itself, as the commands
  // toggle, set or keep it; Qt's own toggle on a click is undone first.
  const auto addItem = [this](QMenu* menu, const char* name, const QString& caption,
                              Handler handler, bool checkable = false) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [this, action, handler](bool checked) {
      if (action->isCheckable()) action->setChecked(!checked);
      (this->*handler)();
    });
    menu->addAction(action);
    return action;
  };

  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));

  QMenu* file = AddSubmenu(this, nullptr, "File1", QStringLiteral("&File"));
  bar->addMenu(file);
  addItem(file, "NewGame2", QStringLiteral("&New Game"), &TForm1::NewGame2Click);
  file->addSeparator();
  addItem(file, "Open1", QStringLiteral("&Open"), &TForm1::Open1Click);
  addItem(file, "Save1", QStringLiteral("&Save"), &TForm1::Save1Click);
  file->addSeparator();
  addItem(file, "Exit1", QStringLiteral("E&xit"), &TForm1::Exit1Click);

  QMenu* options = AddSubmenu(this, nullptr, "Options1", QStringLiteral("&Options"));
  bar->addMenu(options);
  QMenu* background = AddSubmenu(this, options, "Background1", QStringLiteral("Back&ground"));
  addItem(background, "Tiled1", QStringLiteral("Tiled Bitmap"), &TForm1::Tiled1Click, true)
      ->setChecked(true);
  addItem(background, "None1", QStringLiteral("Solid Color"), &TForm1::None1Click, true);

  options->addSeparator();
  QMenu* bet = AddSubmenu(this, options, "BetAmount1", QStringLiteral("&Bet Amount"));
  static constexpr std::array<const char*, CoinValueCount> betNames{"N5001", "N1001", "N50c1",
                                                                    "N25c1", "N10c1", "N5c1"};
  static constexpr std::array<Handler, CoinValueCount> betHandlers{
      &TForm1::N5001Click, &TForm1::N1001Click, &TForm1::N50c1Click,
      &TForm1::N25c1Click, &TForm1::N10c1Click, &TForm1::N5c1Click};
  for (std::size_t row = 0; row < CoinValueCount; ++row)
    addItem(bet, betNames[row], QString::fromUtf8(CoinValueCaptions[row]), betHandlers[row], true);

  options->addSeparator();
  addItem(options, "BorrowCredits1", QStringLiteral("Borrow &Credits"),
          &TForm1::BorrowCredits1Click);

  options->addSeparator();
  QMenu* music = AddSubmenu(this, options, "Music1", QStringLiteral("&Music"));
  addItem(music, "On2", QStringLiteral("On"), &TForm1::On2Click, true);
  music->addSeparator();
  addItem(music, "ChangeSongs1", QStringLiteral("Change Songs"), &TForm1::ChangeSongs1Click);

  options->addSeparator();
  QMenu* sounds = AddSubmenu(this, options, "Sounds1", QStringLiteral("&Sounds"));
  addItem(sounds, "On1", QStringLiteral("On"), &TForm1::On1Click, true);
  sounds->addSeparator();
  addItem(sounds, "Bonus1", QStringLiteral("Bonus"), &TForm1::Bonus1Click, true);
  addItem(sounds, "Coins1", QStringLiteral("Coins"), &TForm1::Coins1Click, true);
  addItem(sounds, "Credits1", QStringLiteral("Credits"), &TForm1::Credits1Click, true);
  addItem(sounds, "Lose1", QStringLiteral("Lose"), &TForm1::Lose1Click, true);
  addItem(sounds, "PowerDrain1", QStringLiteral("Power Drain"), &TForm1::PowerDrain1Click, true);
  addItem(sounds, "PowerUp1", QStringLiteral("Power Up"), &TForm1::PowerUp1Click, true);
  addItem(sounds, "SlotSpin1", QStringLiteral("Slot Spin"), &TForm1::SlotSpin1Click, true);
  addItem(sounds, "Stop1", QStringLiteral("Stop"), &TForm1::Stop1Click, true);
  addItem(sounds, "WheelSpin1", QStringLiteral("Wheel Spin"), &TForm1::WheelSpin1Click, true);
  addItem(sounds, "Win1", QStringLiteral("Win"), &TForm1::Win1Click, true);
  sounds->addSeparator();
  addItem(sounds, "ChangeWAVs1", QStringLiteral("Change WAVs"), &TForm1::ChangeWAVs1Click);

  options->addSeparator();
  QMenu* speed = AddSubmenu(this, options, "SpinSpeed1", QStringLiteral("Spin Spee&d"));
  addItem(speed, "Fast1", QStringLiteral("Fast"), &TForm1::Fast1Click, true);
  addItem(speed, "Medium1", QStringLiteral("Medium"), &TForm1::Medium1Click, true);
  addItem(speed, "Slow1", QStringLiteral("Slow"), &TForm1::Slow1Click, true);

  QMenu* autoMenu = AddSubmenu(this, nullptr, "Auto1", QStringLiteral("&Auto"));
  bar->addMenu(autoMenu);
  addItem(autoMenu, "AutoSpin2", QStringLiteral("&Auto Spin"), &TForm1::AutoSpin2Click, true);

  QMenu* help = AddSubmenu(this, nullptr, "Help1", QStringLiteral("&Help"));
  bar->addMenu(help);
  addItem(help, "About", QStringLiteral("&About"), &TForm1::AboutClick);
  help->addSeparator();
  addItem(help, "Catalog1", QStringLiteral("&Catalog"), &TForm1::Catalog1Click);
  help->addSeparator();
  addItem(help, "Manual1", QStringLiteral("&Manual"), &TForm1::Manual1Click);
}
