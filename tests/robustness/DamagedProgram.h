// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "AppFixture.h"
#include "Slot.h"

// How a file the program reads has been spoiled.
enum class Damage {
  Missing,  // not there at all
  Empty,    // there, zero bytes long
  Corrupt,  // the real file's first bytes (its magic and size fields) followed
            // by seeded random junk, so that the loaders get past their first
            // check and must cope with nonsense further in
};

Q_DECLARE_METATYPE(Damage)

QString DamageName(Damage damage);

// A program folder holding copies of the real built assets, one of which a
// test may then spoil.
class DamagedProgram {
 public:
  DamagedProgram();
  QString Path() const { return dir_.path() + '/'; }
  QString File(const QString& name) const { return Path() + name; }
  void Spoil(const QString& name, Damage damage);

  // Every file the program reads from its own folder.
  static const QStringList& AssetNames();

 private:
  QTemporaryDir dir_;
};

// The main window over a damaged program folder, with a settings file in a
// folder of its own and dialogs answered by the test.
class DamagedGame {
 public:
  // `ini` is written as the settings file first when it is not empty.
  explicit DamagedGame(DamagedProgram& program, const QString& ini = {});
  DamagedGame(DamagedProgram& program, const QString& ini, const QString& settingsPath);
  ~DamagedGame();

  TForm1& Form() { return *form_; }
  DialogScript& Script() { return script_; }
  ScriptedStops& Stops() { return *stops_; }
  QString SettingsPath() const { return settingsPath_; }

  // One coin on line 1 and a spin that stops on 5, 5, 2 across the middle:
  // it pays 2 coins and shows one Voltaro symbol, played to its end. Hurried,
  // the wheels stop and the count ends at once; the money moves exactly as
  // in a watched spin.
  void PlaySmallWin(bool hurried);

 private:
  QTemporaryDir settingsDir_;
  QString settingsPath_;
  DialogScript script_;
  ScriptedStops* stops_ = nullptr;
  std::unique_ptr<TForm1> form_;
};

// The game after PlaySmallWin from a fresh start: the win paid, the meter
// charged and Spin ready again.
void ExpectSmallWinPaid(DamagedGame& game);
