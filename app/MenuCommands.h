// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the menu items run: one command for each item of the menu bar, named
// after the item (MenuItems.h). The main window carries them out.
class MenuCommands {
 public:
  // File.
  virtual void NewGame2Click() = 0;
  virtual void Open1Click() = 0;
  virtual void Save1Click() = 0;
  virtual void GameHistory1Click() = 0;
  virtual void Exit1Click() = 0;

  // Options.
  virtual void Tiled1Click() = 0;
  virtual void None1Click() = 0;
  virtual void N5001Click() = 0;
  virtual void N1001Click() = 0;
  virtual void N50c1Click() = 0;
  virtual void N25c1Click() = 0;
  virtual void N10c1Click() = 0;
  virtual void N5c1Click() = 0;
  virtual void BorrowCredits1Click() = 0;
  virtual void On2Click() = 0;
  virtual void ChangeSongs1Click() = 0;
  virtual void On1Click() = 0;
  virtual void Bonus1Click() = 0;
  virtual void Coins1Click() = 0;
  virtual void Credits1Click() = 0;
  virtual void Lose1Click() = 0;
  virtual void PowerDrain1Click() = 0;
  virtual void PowerUp1Click() = 0;
  virtual void SlotSpin1Click() = 0;
  virtual void Stop1Click() = 0;
  virtual void WheelSpin1Click() = 0;
  virtual void Win1Click() = 0;
  virtual void ChangeWAVs1Click() = 0;
  virtual void Fast1Click() = 0;
  virtual void Medium1Click() = 0;
  virtual void Slow1Click() = 0;

  // Auto and Help.
  virtual void AutoSpin2Click() = 0;
  virtual void AboutClick() = 0;
  virtual void Catalog1Click() = 0;
  virtual void Manual1Click() = 0;

  // F11: full screen on or off.
  virtual void FullScreen1Click() = 0;

 protected:
  ~MenuCommands() = default;
};
