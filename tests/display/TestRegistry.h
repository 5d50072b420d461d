// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// The test classes of this program, each run by name (one ctest test per
// class) or all together.
struct RegisteredTest {
  const char* name;
  std::function<std::unique_ptr<QObject>()> make;
};

std::vector<RegisteredTest>& RegisteredTests();

template <typename T>
struct TestRegistration {
  explicit TestRegistration(const char* name) {
    RegisteredTests().push_back({name, [] { return std::make_unique<T>(); }});
  }
};

#define REGISTER_DISPLAY_TEST(Class) static TestRegistration<Class> registration##Class(#Class)
