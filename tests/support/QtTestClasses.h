// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// The Qt Test classes of one test program. Each class registers itself with
// QT_TEST_CLASS; the program's main (QtTestMain.cpp) runs one class by name,
// all of them, or lists their names, from which ctest makes one test per class.
struct QtTestClass {
  const char* name;
  std::function<std::unique_ptr<QObject>()> make;
  // Runs before the QApplication exists: environment, platform options.
  void (*beforeApplication)() = nullptr;
  // Runs once the QApplication exists, before the test object is made.
  void (*withApplication)() = nullptr;
};

std::vector<QtTestClass>& QtTestClasses();

template <typename T>
struct QtTestRegistration {
  QtTestRegistration(const char* name, void (*beforeApplication)(), void (*withApplication)()) {
    QtTestClasses().push_back(
        {name, [] { return std::make_unique<T>(); }, beforeApplication, withApplication});
  }
};

// Registers a test class run in a plain QApplication.
#define QT_TEST_CLASS(Class) QT_TEST_CLASS_WITH(Class, nullptr, nullptr)

// Registers a test class whose program needs setting up before and/or after
// the QApplication is made (either may be nullptr).
#define QT_TEST_CLASS_WITH(Class, beforeApplication, withApplication)                         \
  static const QtTestRegistration<Class> qtTestRegistration##Class(#Class, beforeApplication, \
                                                                   withApplication)
