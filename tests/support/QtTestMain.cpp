// SPDX-License-Identifier: GPL-3.0-or-later
// The one main of every Qt Test program:
//   program --list-classes             the registered classes, one a line
//   program Class [Qt Test options]    runs that class
//   program [Qt Test options]          runs every class, each in a process of
//                                      its own, as ctest runs them
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <vector>

#include "QtTestClasses.h"

std::vector<QtTestClass>& QtTestClasses() {
  static std::vector<QtTestClass> classes;
  return classes;
}

namespace {

const QtTestClass* FindClass(const char* name) {
  for (const QtTestClass& testClass : QtTestClasses())
    if (std::strcmp(testClass.name, name) == 0) return &testClass;
  return nullptr;
}

// Runs one class as QTEST_MAIN would; `args` are the program name followed
// by Qt Test's own options.
int RunClass(const QtTestClass& testClass, std::vector<char*> args) {
  if (testClass.beforeApplication != nullptr) testClass.beforeApplication();
  int argc = static_cast<int>(args.size());
  args.push_back(nullptr);
  QApplication app(argc, args.data());
  app.setAttribute(Qt::AA_Use96Dpi, true);
  if (testClass.withApplication != nullptr) testClass.withApplication();
  const std::unique_ptr<QObject> test = testClass.make();
  return QTest::qExec(test.get(), argc, args.data());
}

// Runs every class in a child process of its own, so that no class inherits
// another's platform set-up; returns the number of classes that failed.
int RunEveryClass(char* program, const std::vector<char*>& options) {
  int failed = 0;
  for (const QtTestClass& testClass : QtTestClasses()) {
    std::vector<char*> args{program, const_cast<char*>(testClass.name)};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(nullptr);
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
      execv("/proc/self/exe", args.data());
      _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "FAILED: %s\n", testClass.name);
      ++failed;
    }
  }
  return failed;
}

}  // namespace

int main(int argc, char** argv) {
  if (QtTestClasses().empty()) {
    std::fprintf(stderr, "%s: no test class is registered\n", argv[0]);
    return 1;
  }
  if (argc == 2 && std::strcmp(argv[1], "--list-classes") == 0) {
    for (const QtTestClass& testClass : QtTestClasses()) std::printf("%s\n", testClass.name);
    return 0;
  }
  if (argc > 1 && argv[1][0] != '-') {
    const QtTestClass* testClass = FindClass(argv[1]);
    if (testClass == nullptr) {
      std::fprintf(stderr, "%s: no test class named %s\n", argv[0], argv[1]);
      return 1;
    }
    std::vector<char*> args{argv[0]};
    args.insert(args.end(), argv + 2, argv + argc);
    return RunClass(*testClass, args);
  }
  return RunEveryClass(argv[0], std::vector<char*>(argv + 1, argv + argc));
}
