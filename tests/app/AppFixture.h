// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QColor>
#include <QList>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "DialogServices.h"
#include "PlayRecord.h"
#include "QtTestClasses.h"
#include "ScriptedStops.h"
#include "Slot.h"
#include "WindowProbe.h"

// A program folder of its own for each test: symbol art in flat colours, a
// background picture and two small help files.
class TestProgramDir {
 public:
  TestProgramDir();
  QString Path() const { return dir_.path() + '/'; }
  QString File(const QString& name) const { return Path() + name; }
  // Cell k of the test art is filled with this colour.
  static QColor CellColor(int cell);
  static QColor BackgroundColor() { return QColor(10, 120, 30); }

 private:
  QTemporaryDir dir_;
};

// Answers the window's dialogs and remembers what they were asked.
struct DialogScript {
  QStringList informations;
  // Runs while an information box is up.
  std::function<void()> whileInformed;
  QStringList warnings;
  std::deque<QString> fileAnswers;  // empty text: cancelled
  std::deque<std::optional<QColor>> colorAnswers;
  QStringList fileTitles;
  QStringList fileFolders;
  QStringList fileFilters;
  QList<QColor> colorStarts;

  // The standard dialogs with these answers in place of the boxes and the
  // file and colour dialogs.
  DialogServices Dialogs();
};

// A main window over a test program folder and a settings file in a folder
// of its own.
class FormFixture {
 public:
  // Writes `ini` as the settings file first when it is not empty.
  explicit FormFixture(const QString& ini = {});
  ~FormFixture();

  TForm1& Form() { return *form_; }
  ScriptedStops& Stops() { return *stops_; }
  DialogScript& Script() { return script_; }
  TestProgramDir& Program() { return program_; }
  QString SettingsPath() const { return settingsDir_.path() + "/VOLTA.INI"; }
  QAction* Item(const char* name);

 private:
  TestProgramDir program_;
  QTemporaryDir settingsDir_;
  DialogScript script_;
  ScriptedStops* stops_ = nullptr;
  std::unique_ptr<TForm1> form_;
};

// The window's controls, timers and menu items, found by their object names.
template <typename Control>
Control* FindInWindow(const QObject& window, const char* name) {
  auto* found = window.findChild<Control*>(QString::fromLatin1(name));
  if (found == nullptr) qFatal("the window has no %s", name);
  return found;
}
inline QPushButton* WindowButton(const QObject& window, const char* name) {
  return FindInWindow<QPushButton>(window, name);
}
inline QTimer* WindowTimer(const QObject& window, const char* name) {
  return FindInWindow<QTimer>(window, name);
}

// Runs the handler of the window's timer of that name, as its timeout would.
void FireTimer(const TForm1& form, const char* name);

// Sets the game in play up as a settings file could have brought it back.
void ChangeGame(TForm1& form, const std::function<void(GameState&)>& edit);
// Lets the plan in play run to its end in the event loop; false when it is
// still playing after `timeoutMs`.
bool PlayOut(TForm1& form, int timeoutMs = 30000);
// Plays the plan in play to its end as fast as a player pressing Spin at
// every chance would: each run of wheels or coins hurried as it comes.
bool HurryOut(TForm1& form, int timeoutMs = 30000);

// A settings file that turns the sounds off: the win, power and bonus sounds
// would hold every spin for their whole length.
inline const QString Silent = QStringLiteral("[Settings]\r\nSound=0\r\n");

// Stops that show 5, 5, 2 on the middle line (pays 2 a coin) with one
// Voltaro symbol and no Power Drain in view.
inline void ScriptSmallWin(ScriptedStops& chance) { chance.NextStops(0, 4, 0); }
inline void ScriptSmallWin(FormFixture& fixture) { ScriptSmallWin(fixture.Stops()); }

// A paid play as a settings file keeps it: 25 coins of 25¢ that won $2.50 on
// one line, credits 1000.00 before the bet and 996.25 after.
PlayRecord PaidPlayOf25Coins();

// Reads the keys of a settings file's section in file order.
QStringList SectionKeys(const QString& path, const QString& section);
QString SectionValue(const QString& path, const QString& section, const QString& key);

// Window tests on screens side by side, as a window manager shows them: a
// maximized window takes the whole of its screen. The usual sizes and two
// short ones, 1024 x 600 and 1280 x 672 (a 1080p laptop at 150% with a task
// bar). Set up before the QApplication is made, by TEST_CLASS_ON_SCREENS.
inline const QList<QSize> TestScreens{{800, 600},   {1024, 768}, {1024, 600}, {1280, 672},
                                      {1920, 1080}, {751, 600},  {750, 600},  {1032, 800}};
void UseTestScreens();

// Registers a test class whose slots run on the test screens.
#define TEST_CLASS_ON_SCREENS(TestClass) QT_TEST_CLASS_WITH(TestClass, UseTestScreens, nullptr)

// Restores the window, moves it onto the test screen of that size and
// maximizes it there.
void MaximizeOn(TForm1& form, QSize screenSize);
