// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;

// The main window's menu items, made from the menu table (MainMenus.cpp) and
// named as its handlers refer to them; each item's object name is its name
// here.
struct MenuItems {
  QAction* NewGame2 = nullptr;
  QAction* Open1 = nullptr;
  QAction* Save1 = nullptr;
  QAction* GameHistory1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* Tiled1 = nullptr;
  QAction* None1 = nullptr;
  QAction* N5001 = nullptr;
  QAction* N1001 = nullptr;
  QAction* N50c1 = nullptr;
  QAction* N25c1 = nullptr;
  QAction* N10c1 = nullptr;
  QAction* N5c1 = nullptr;
  QAction* BorrowCredits1 = nullptr;
  QAction* On2 = nullptr;
  QAction* ChangeSongs1 = nullptr;
  QAction* On1 = nullptr;
  QAction* Bonus1 = nullptr;
  QAction* Coins1 = nullptr;
  QAction* Credits1 = nullptr;
  QAction* Lose1 = nullptr;
  QAction* PowerDrain1 = nullptr;
  QAction* PowerUp1 = nullptr;
  QAction* SlotSpin1 = nullptr;
  QAction* Stop1 = nullptr;
  QAction* WheelSpin1 = nullptr;
  QAction* Win1 = nullptr;
  QAction* ChangeWAVs1 = nullptr;
  QAction* Fast1 = nullptr;
  QAction* Medium1 = nullptr;
  QAction* Slow1 = nullptr;
  QAction* AutoSpin2 = nullptr;
  QAction* About = nullptr;
  QAction* Catalog1 = nullptr;
  QAction* Manual1 = nullptr;
  // In no menu: the window's own F11.
  QAction* FullScreen1 = nullptr;
};
