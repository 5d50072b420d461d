// SPDX-License-Identifier: GPL-3.0-or-later
// Fontconfig reads the environment as it reads its configuration on the
// start's second thread, and a variable set meanwhile can move the
// environment's table from under it. This program starts as the game does,
// with its own setenv, unsetenv and pthread_create in front of the C
// library's (it exports them), and fails on a change to the environment
// while the fonts are read, or, given a desktop's start-up notice (which Qt
// removes as it connects), on a font thread at all. Either way the fonts
// must come out of the configuration as fontconfig itself reads it: the
// same files, font folders, cache folders and fonts.
//   app_start_environment_check [--with-startup-notice]

#include <dlfcn.h>
#include <pthread.h>

#include <QApplication>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "Application.h"

namespace {

std::atomic<bool> preparing{false};
std::atomic<bool> reading{false};
std::atomic<int> threadsWhilePreparing{0};
std::atomic<int> changesWhileReading{0};

void NoteChange(const char* call, const char* name) {
  if (!reading) return;
  ++changesWhileReading;
  std::fprintf(stderr, "%s(\"%s\") while the fonts were read\n", call, name);
}

template <typename Function>
Function* Original(const char* name) {
  return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

template <typename Function>
Function* FontConfig(const char* name) {
  return reinterpret_cast<Function*>(dlsym(RTLD_DEFAULT, name));
}

std::set<std::string> Strings(void* list) {
  std::set<std::string> strings;
  while (const auto* string = FontConfig<unsigned char*(void*)>("FcStrListNext")(list))
    strings.insert(reinterpret_cast<const char*>(string));
  FontConfig<void(void*)>("FcStrListDone")(list);
  return strings;
}

// The parts of a configuration that decide which fonts the game gets.
struct ConfigSummary {
  std::set<std::string> files, fontFolders, cacheFolders;
  int fonts = 0;

  explicit ConfigSummary(void* config) {
    files = Strings(FontConfig<void*(void*)>("FcConfigGetConfigFiles")(config));
    fontFolders = Strings(FontConfig<void*(void*)>("FcConfigGetFontDirs")(config));
    cacheFolders = Strings(FontConfig<void*(void*)>("FcConfigGetCacheDirs")(config));
    // A font set starts with its number of fonts.
    const auto* set = FontConfig<int*(void*, int)>("FcConfigGetFonts")(config, 0);
    fonts = set != nullptr ? *set : 0;
  }
};

bool ReadAsFontConfigWould() {
  const ConfigSummary current(FontConfig<void*()>("FcConfigGetCurrent")());
  void* own = FontConfig<void*()>("FcInitLoadConfigAndFonts")();
  const ConfigSummary wanted(own);
  FontConfig<void(void*)>("FcConfigDestroy")(own);
  const bool same = current.files == wanted.files && current.fontFolders == wanted.fontFolders &&
                    current.cacheFolders == wanted.cacheFolders && current.fonts == wanted.fonts;
  if (!same || wanted.fonts == 0)
    std::fprintf(stderr,
                 "fonts read from %zu files, %zu font and %zu cache folders, %d fonts; "
                 "fontconfig reads %zu, %zu, %zu, %d\n",
                 current.files.size(), current.fontFolders.size(), current.cacheFolders.size(),
                 current.fonts, wanted.files.size(), wanted.fontFolders.size(),
                 wanted.cacheFolders.size(), wanted.fonts);
  return same && wanted.fonts > 0;
}

}  // namespace

extern "C" {

int setenv(const char* name, const char* value, int overwrite) {
  NoteChange("setenv", name);
  return Original<int(const char*, const char*, int)>("setenv")(name, value, overwrite);
}

int unsetenv(const char* name) {
  NoteChange("unsetenv", name);
  return Original<int(const char*)>("unsetenv")(name);
}

int pthread_create(pthread_t* thread, const pthread_attr_t* attributes, void* (*run)(void*),
                   void* argument) {
  if (preparing) {
    ++threadsWhilePreparing;
    reading = true;
  }
  using Create = int(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
  return Original<Create>("pthread_create")(thread, attributes, run, argument);
}

}  // extern "C"

int main(int argc, char** argv) {
  const bool startupNotice = argc > 1 && std::strcmp(argv[1], "--with-startup-notice") == 0;
  if (startupNotice) setenv("DESKTOP_STARTUP_ID", "voltaro-start-check", 1);
  int one = 1;
  char* arguments[] = {argv[0], nullptr};

  preparing = true;
  PrepareBeforeApplication();
  preparing = false;
  bool ok = true;
  {
    QApplication application(one, arguments);
    PrepareApplication();  // the fonts are read by its end
    reading = false;
    ok = ReadAsFontConfigWould();
  }

  const int threadsWanted = startupNotice ? 0 : 1;
  if (threadsWhilePreparing != threadsWanted) {
    std::fprintf(stderr, "%d threads made before the application, %d wanted\n",
                 threadsWhilePreparing.load(), threadsWanted);
    ok = false;
  }
  if (changesWhileReading != 0) ok = false;
  return ok ? 0 : 1;
}
