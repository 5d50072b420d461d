// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTest>
#include <cstring>
#include <vector>

#include "Fonts.h"

// Test classes, one per dialog; each is also run alone by ctest.
QObject* MakePaychartTest();
QObject* MakeBorrowTest();
QObject* MakeSaveTest();

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallFontSubstitutes();
  // "dialogs_tests Class [test functions and Qt Test options]".
  const char* only = argc > 1 ? argv[1] : nullptr;
  std::vector<char*> args{argv[0]};
  for (int i = 2; i < argc; ++i) args.push_back(argv[i]);
  struct Entry {
    const char* name;
    QObject* (*make)();
  };
  const Entry entries[] = {{"PaychartTest", MakePaychartTest},
                           {"BorrowTest", MakeBorrowTest},
                           {"SaveTest", MakeSaveTest}};
  int failures = 0;
  bool ran = false;
  for (const Entry& entry : entries) {
    if (only != nullptr && std::strcmp(only, entry.name) != 0) continue;
    ran = true;
    QObject* test = entry.make();
    failures += QTest::qExec(test, static_cast<int>(args.size()), args.data());
    delete test;
  }
  return ran ? failures : 1;
}
