// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <array>

#include "DialogLook.h"
#include "GameState.h"
#include "MenuCommands.h"
#include "Money.h"
#include "ReadableNumbers.h"

namespace {

using Handler = void (MenuCommands::*)();

enum class Menu { Bar, File, Options, Background, BetAmount, Music, Sounds, SpinSpeed, Auto, Help };
constexpr std::size_t MenuCount = 10;

enum class Mark { None, Check, CheckedAtStart };

// One row of the menu bar, in order: a submenu (`opens`), an item, or a
// separator (no name). An item's name is its object name and its member of
// MenuItems.
enum class Hold { Never, WhilePlaying, WhilePlayingOrFreeSpins };

struct MenuRow {
  Menu in;
  const char* name = nullptr;
  // A source text of the "Menus" context, translated as the menu is made.
  // A coin value's row has none: its value is written in the player's style.
  const char* caption = nullptr;  // UTF-8
  Menu opens = Menu::Bar;
  QAction* MenuItems::*item = nullptr;
  Handler handler = nullptr;
  Mark mark = Mark::None;
  // What a marked item stands for: a sound switch, a coin value (row of the
  // Bet Amount menu) or a spin speed.
  bool Settings::*soundSwitch = nullptr;
  int coinValue = -1;
  int speed = -1;
  // Changes the game in play: held off (disabled rather than refused, so no
  // box waits on the wheels) while a plan plays; the commands that leave the
  // game for another also while its free spins remain.
  Hold hold = Hold::Never;
  // The item's standard key, shown beside it in the menu.
  const char* keys = nullptr;
};

#define MENU_ITEM(menu, member) .in = Menu::menu, .name = #member
#define MENU_ACTION(member) .item = &MenuItems::member, .handler = &MenuCommands::member##Click

constexpr MenuRow Submenu(Menu in, const char* name, const char* caption, Menu opens) {
  return {.in = in, .name = name, .caption = caption, .opens = opens};
}
constexpr MenuRow Separator(Menu in) { return {.in = in}; }

const std::array MenuRows{
    Submenu(Menu::Bar, "File1", QT_TRANSLATE_NOOP("Menus", "&File"), Menu::File),
    // No key for New Game: it ends the game in play without asking.
    MenuRow{MENU_ITEM(File, NewGame2), .caption = QT_TRANSLATE_NOOP("Menus", "&New Game"),
            MENU_ACTION(NewGame2), .hold = Hold::WhilePlayingOrFreeSpins},
    Separator(Menu::File),
    MenuRow{MENU_ITEM(File, Open1), .caption = QT_TRANSLATE_NOOP("Menus", "&Open"),
            MENU_ACTION(Open1), .hold = Hold::WhilePlayingOrFreeSpins, .keys = "Ctrl+O"},
    MenuRow{MENU_ITEM(File, Save1), .caption = QT_TRANSLATE_NOOP("Menus", "&Save"),
            MENU_ACTION(Save1), .hold = Hold::WhilePlaying, .keys = "Ctrl+S"},
    Separator(Menu::File),
    // At hand during a spin too: the window beside the machine shows the play
    // in progress once its wheels have stopped.
    MenuRow{MENU_ITEM(File, GameHistory1), .caption = QT_TRANSLATE_NOOP("Menus", "Game &History"),
            MENU_ACTION(GameHistory1), .keys = "Ctrl+H"},
    Separator(Menu::File),
    MenuRow{MENU_ITEM(File, Exit1), .caption = QT_TRANSLATE_NOOP("Menus", "E&xit"),
            MENU_ACTION(Exit1), .keys = "Ctrl+Q"},

    Submenu(Menu::Bar, "Options1", QT_TRANSLATE_NOOP("Menus", "&Options"), Menu::Options),
    Submenu(Menu::Options, "Background1", QT_TRANSLATE_NOOP("Menus", "Back&ground"),
            Menu::Background),
    MenuRow{MENU_ITEM(Background, Tiled1), .caption = QT_TRANSLATE_NOOP("Menus", "Tiled Bitmap"),
            MENU_ACTION(Tiled1), .mark = Mark::CheckedAtStart},
    MenuRow{MENU_ITEM(Background, None1), .caption = QT_TRANSLATE_NOOP("Menus", "Solid Color"),
            MENU_ACTION(None1), .mark = Mark::Check},
    Separator(Menu::Options),
    Submenu(Menu::Options, "BetAmount1", QT_TRANSLATE_NOOP("Menus", "&Bet Amount"),
            Menu::BetAmount),
    MenuRow{MENU_ITEM(BetAmount, N5001), MENU_ACTION(N5001), .mark = Mark::Check, .coinValue = 0,
            .hold = Hold::WhilePlayingOrFreeSpins},
    MenuRow{MENU_ITEM(BetAmount, N1001), MENU_ACTION(N1001), .mark = Mark::Check, .coinValue = 1,
            .hold = Hold::WhilePlayingOrFreeSpins},
    MenuRow{MENU_ITEM(BetAmount, N50c1), MENU_ACTION(N50c1), .mark = Mark::Check, .coinValue = 2,
            .hold = Hold::WhilePlayingOrFreeSpins},
    MenuRow{MENU_ITEM(BetAmount, N25c1), MENU_ACTION(N25c1), .mark = Mark::Check, .coinValue = 3,
            .hold = Hold::WhilePlayingOrFreeSpins},
    MenuRow{MENU_ITEM(BetAmount, N10c1), MENU_ACTION(N10c1), .mark = Mark::Check, .coinValue = 4,
            .hold = Hold::WhilePlayingOrFreeSpins},
    MenuRow{MENU_ITEM(BetAmount, N5c1), MENU_ACTION(N5c1), .mark = Mark::Check, .coinValue = 5,
            .hold = Hold::WhilePlayingOrFreeSpins},
    Separator(Menu::Options),
    MenuRow{MENU_ITEM(Options, BorrowCredits1),
            .caption = QT_TRANSLATE_NOOP("Menus", "Borrow &Credits"), MENU_ACTION(BorrowCredits1),
            .hold = Hold::WhilePlaying},
    Separator(Menu::Options),
    Submenu(Menu::Options, "Music1", QT_TRANSLATE_NOOP("Menus", "&Music"), Menu::Music),
    //: A check item of the Music and Sounds menus: marked while they play.
    MenuRow{MENU_ITEM(Music, On2), .caption = QT_TRANSLATE_NOOP("Menus", "On"), MENU_ACTION(On2),
            .mark = Mark::Check},
    Separator(Menu::Music),
    MenuRow{MENU_ITEM(Music, ChangeSongs1), .caption = QT_TRANSLATE_NOOP("Menus", "Change Songs"),
            MENU_ACTION(ChangeSongs1)},
    Separator(Menu::Options),
    Submenu(Menu::Options, "Sounds1", QT_TRANSLATE_NOOP("Menus", "&Sounds"), Menu::Sounds),
    MenuRow{MENU_ITEM(Sounds, On1), .caption = QT_TRANSLATE_NOOP("Menus", "On"), MENU_ACTION(On1),
            .mark = Mark::Check, .soundSwitch = &Settings::Sound},
    Separator(Menu::Sounds),
    //: Sounds menu: the sound of the bonus won.
    MenuRow{MENU_ITEM(Sounds, Bonus1), .caption = QT_TRANSLATE_NOOP("Menus", "Bonus"),
            MENU_ACTION(Bonus1), .mark = Mark::Check, .soundSwitch = &Settings::sndBonus},
    //: Sounds menu: the sound of coins placed.
    MenuRow{MENU_ITEM(Sounds, Coins1), .caption = QT_TRANSLATE_NOOP("Menus", "Coins"),
            MENU_ACTION(Coins1), .mark = Mark::Check, .soundSwitch = &Settings::sndCoins},
    //: Sounds menu: the sound of credits counted up.
    MenuRow{MENU_ITEM(Sounds, Credits1), .caption = QT_TRANSLATE_NOOP("Menus", "Credits"),
            MENU_ACTION(Credits1), .mark = Mark::Check, .soundSwitch = &Settings::sndCredits},
    //: Sounds menu: the sound of a losing spin.
    MenuRow{MENU_ITEM(Sounds, Lose1), .caption = QT_TRANSLATE_NOOP("Menus", "Lose"),
            MENU_ACTION(Lose1), .mark = Mark::Check, .soundSwitch = &Settings::sndLose},
    MenuRow{MENU_ITEM(Sounds, PowerDrain1), .caption = QT_TRANSLATE_NOOP("Menus", "Power Drain"),
            MENU_ACTION(PowerDrain1), .mark = Mark::Check, .soundSwitch = &Settings::sndPowerDown},
    MenuRow{MENU_ITEM(Sounds, PowerUp1), .caption = QT_TRANSLATE_NOOP("Menus", "Power Up"),
            MENU_ACTION(PowerUp1), .mark = Mark::Check, .soundSwitch = &Settings::sndPowerUp},
    MenuRow{MENU_ITEM(Sounds, SlotSpin1), .caption = QT_TRANSLATE_NOOP("Menus", "Slot Spin"),
            MENU_ACTION(SlotSpin1), .mark = Mark::Check, .soundSwitch = &Settings::sndSpin},
    //: Sounds menu: the sound of a wheel stopping, not a command.
    MenuRow{MENU_ITEM(Sounds, Stop1), .caption = QT_TRANSLATE_NOOP("Menus", "Stop"),
            MENU_ACTION(Stop1), .mark = Mark::Check, .soundSwitch = &Settings::sndStop},
    MenuRow{MENU_ITEM(Sounds, WheelSpin1), .caption = QT_TRANSLATE_NOOP("Menus", "Wheel Spin"),
            MENU_ACTION(WheelSpin1), .mark = Mark::Check, .soundSwitch = &Settings::sndWheelSpin},
    //: Sounds menu: the sound of a winning spin.
    MenuRow{MENU_ITEM(Sounds, Win1), .caption = QT_TRANSLATE_NOOP("Menus", "Win"),
            MENU_ACTION(Win1), .mark = Mark::Check, .soundSwitch = &Settings::sndWin},
    Separator(Menu::Sounds),
    MenuRow{MENU_ITEM(Sounds, ChangeWAVs1), .caption = QT_TRANSLATE_NOOP("Menus", "Change WAVs"),
            MENU_ACTION(ChangeWAVs1)},
    Separator(Menu::Options),
    Submenu(Menu::Options, "SpinSpeed1", QT_TRANSLATE_NOOP("Menus", "Spin Spee&d"),
            Menu::SpinSpeed),
    MenuRow{MENU_ITEM(SpinSpeed, Fast1), .caption = QT_TRANSLATE_NOOP("Menus", "Fast"),
            MENU_ACTION(Fast1), .mark = Mark::Check, .speed = 0},
    MenuRow{MENU_ITEM(SpinSpeed, Medium1), .caption = QT_TRANSLATE_NOOP("Menus", "Medium"),
            MENU_ACTION(Medium1), .mark = Mark::Check, .speed = 1},
    MenuRow{MENU_ITEM(SpinSpeed, Slow1), .caption = QT_TRANSLATE_NOOP("Menus", "Slow"),
            MENU_ACTION(Slow1), .mark = Mark::Check, .speed = 2},

    Submenu(Menu::Bar, "Auto1", QT_TRANSLATE_NOOP("Menus", "&Auto"), Menu::Auto),
    MenuRow{MENU_ITEM(Auto, AutoSpin2), .caption = QT_TRANSLATE_NOOP("Menus", "&Auto Spin"),
            MENU_ACTION(AutoSpin2), .mark = Mark::Check},

    Submenu(Menu::Bar, "Help1", QT_TRANSLATE_NOOP("Menus", "&Help"), Menu::Help),
    MenuRow{MENU_ITEM(Help, About), .caption = QT_TRANSLATE_NOOP("Menus", "&About"),
            MENU_ACTION(About)},
    Separator(Menu::Help),
    MenuRow{MENU_ITEM(Help, Catalog1), .caption = QT_TRANSLATE_NOOP("Menus", "&Catalog"),
            MENU_ACTION(Catalog1)},
    Separator(Menu::Help),
    MenuRow{MENU_ITEM(Help, Manual1), .caption = QT_TRANSLATE_NOOP("Menus", "&Manual"),
            MENU_ACTION(Manual1)},
};

#undef MENU_ITEM
#undef MENU_ACTION

bool IsItem(const MenuRow& row) { return row.item != nullptr; }

}  // namespace

MainMenus::MainMenus(QMainWindow& window, MenuCommands& commands, Settings& settings)
    : settings_(settings) {
  QMenuBar* bar = window.menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  std::array<QMenu*, MenuCount> menus{};

  for (const MenuRow& row : MenuRows) {
    QMenu* into = menus[static_cast<std::size_t>(row.in)];
    if (row.name == nullptr) {
      into->addSeparator();
    } else if (!IsItem(row)) {
      auto* menu = new QMenu(QCoreApplication::translate("Menus", row.caption), &window);
      menu->setObjectName(QString::fromLatin1(row.name));
      menu->menuAction()->setObjectName(QString::fromLatin1(row.name));
      if (into != nullptr)
        into->addMenu(menu);
      else
        bar->addMenu(menu);
      menus[static_cast<std::size_t>(row.opens)] = menu;
    } else {
      const QString caption =
          row.coinValue >= 0
              ? CoinValueText(money::ToCents(CoinValues[static_cast<std::size_t>(row.coinValue)]))
              : QCoreApplication::translate("Menus", row.caption);
      auto* action = new QAction(caption, &window);
      action->setObjectName(QString::fromLatin1(row.name));
      action->setCheckable(row.mark != Mark::None);
      action->setChecked(row.mark == Mark::CheckedAtStart);
      // Written as Qt reads it; the menu shows it in the player's language.
      if (row.keys != nullptr) action->setShortcut(QKeySequence(QString::fromLatin1(row.keys)));
      // A check-mark item's handler decides its mark itself, as the
      // commands toggle, set or keep it; Qt's own toggle on a click is
      // undone first.
      const Handler handler = row.handler;
      QObject::connect(action, &QAction::triggered, &window,
                       [&commands, action, handler](bool checked) {
                         if (action->isCheckable()) action->setChecked(!checked);
                         (commands.*handler)();
                       });
      into->addAction(action);
      items_.*row.item = action;
    }
  }
  // Full screen has no menu item: F11 turns it on and off wherever the
  // window is, and Esc leaves it (TForm1::keyPressEvent).
  items_.FullScreen1 = new QAction(&window);
  items_.FullScreen1->setObjectName(QStringLiteral("FullScreen1"));
  items_.FullScreen1->setShortcut(QKeySequence(Qt::Key_F11));
  QObject::connect(items_.FullScreen1, &QAction::triggered, &window,
                   [&commands] { commands.FullScreen1Click(); });
  window.addAction(items_.FullScreen1);
  KeepMenusClassic(window);
  KeepMenusClassic(*bar);
}

void MainMenus::SetGameCommandsEnabled(bool enabled, bool roundOver) {
  // A free-spin round belongs to the game it was won in: nothing may swap
  // that game for another, or change its coin value, before it has ended.
  for (const MenuRow& row : MenuRows) {
    if (row.hold == Hold::WhilePlaying) (items_.*row.item)->setEnabled(enabled);
    if (row.hold == Hold::WhilePlayingOrFreeSpins)
      (items_.*row.item)->setEnabled(enabled && roundOver);
  }
}

void MainMenus::SetCoinValueMark(int bet) {
  for (const MenuRow& row : MenuRows)
    if (row.coinValue >= 0) (items_.*row.item)->setChecked(row.coinValue == bet);
}

void MainMenus::SetSpeedMark(int speed) {
  for (const MenuRow& row : MenuRows)
    if (row.speed >= 0) (items_.*row.item)->setChecked(row.speed == speed);
}

void MainMenus::SetAutoSpinMark(bool on) { items_.AutoSpin2->setChecked(on); }

void MainMenus::SetMusicMark(bool on) { items_.On2->setChecked(on); }

void MainMenus::SetBackgroundMarks(bool tiled) {
  items_.Tiled1->setChecked(tiled);
  items_.None1->setChecked(!tiled);
}

void MainMenus::ToggleSoundSwitch(bool Settings::*flag) {
  settings_.*flag = !(settings_.*flag);
  for (const MenuRow& row : MenuRows)
    if (row.soundSwitch == flag) (items_.*row.item)->setChecked(settings_.*flag);
}

void MainMenus::ShowSoundSwitchMarks() {
  for (const MenuRow& row : MenuRows)
    if (row.soundSwitch != nullptr) (items_.*row.item)->setChecked(settings_.*row.soundSwitch);
}
