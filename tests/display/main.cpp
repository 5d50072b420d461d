// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTest>
#include <cstring>

#include "Fonts.h"
#include "TestRegistry.h"

std::vector<RegisteredTest>& RegisteredTests() {
  static std::vector<RegisteredTest> tests;
  return tests;
}

// display_tests [TestClass [Qt Test options...]]
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallFontSubstitutes();
  const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
  int failures = 0;
  bool found = false;
  for (const auto& test : RegisteredTests()) {
    if (only && std::strcmp(only, test.name) != 0) continue;
    found = true;
    auto object = test.make();
    char* args[] = {argv[0]};
    failures += QTest::qExec(object.get(), only ? argc - 1 : 1, only ? argv + 1 : args);
  }
  return found ? failures : 1;
}
