// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontConfigReading.h"

#include <dlfcn.h>
#include <QtGlobal>

#include <system_error>
#include <thread>
#include <utility>

namespace {

// The few fontconfig calls the reading needs, found in the library Qt has
// loaded: the game needs no headers of its own for it, and a Qt that does
// not use fontconfig leaves nothing to read.
struct FontConfigCalls {
  int (*init)() = nullptr;
  void* (*create)() = nullptr;
  int (*parseAndLoad)(void* config, const unsigned char* file, int complain) = nullptr;
  int (*buildFonts)(void* config) = nullptr;
  int (*setCurrent)(void* config) = nullptr;
  void (*destroy)(void* config) = nullptr;
  void* (*cacheDirs)(void* config) = nullptr;
  unsigned char* (*nextString)(void* list) = nullptr;
  void (*endStrings)(void* list) = nullptr;

  bool Find() {
    return Look(init, "FcInit") && Look(create, "FcConfigCreate") &&
           Look(parseAndLoad, "FcConfigParseAndLoad") && Look(buildFonts, "FcConfigBuildFonts") &&
           Look(setCurrent, "FcConfigSetCurrent") && Look(destroy, "FcConfigDestroy") &&
           Look(cacheDirs, "FcConfigGetCacheDirs") && Look(nextString, "FcStrListNext") &&
           Look(endStrings, "FcStrListDone");
  }

  bool NamesCacheFolder(void* config) const {
    void* folders = cacheDirs(config);
    if (folders == nullptr) return false;
    const bool any = nextString(folders) != nullptr;
    endStrings(folders);
    return any;
  }

 private:
  template <typename Function>
  static bool Look(Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
    return function != nullptr;
  }
};

// What FcInit does, less one step: it also parses every template in
// conf.avail, only to describe them to fc-conflist, which takes about a
// third of its time. The configuration files, font folders, cache folders
// and fonts come out the same. A configuration out of the ordinary (no file,
// or no cache folder named) is left to FcInit, with its fallbacks and its
// warnings.
void ReadFontConfig() {
  FontConfigCalls fc;
  if (!fc.Find()) return;
  void* config = fc.create();
  if (config == nullptr) return;
  const bool read = fc.parseAndLoad(config, nullptr, /*complain=*/0) != 0 &&
                    fc.NamesCacheFolder(config) && fc.buildFonts(config) != 0 &&
                    fc.setCurrent(config) != 0;
  fc.destroy(config);  // fontconfig holds its own reference to the current one
  if (!read) fc.init();
}

std::thread& Reader() {
  static std::thread reader;
  return reader;
}

bool& ReadOnce() {
  static bool read = false;
  return read;
}

}  // namespace

void StartReadingFontConfig() {
  // Qt takes the desktop's start-up notice out of the environment as it
  // connects to the display: with one given, the reading waits until then.
  if (qEnvironmentVariableIsSet("DESKTOP_STARTUP_ID") ||
      qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"))
    return;
  try {
    Reader() = std::thread(ReadFontConfig);
    ReadOnce() = true;
  } catch (const std::system_error&) {
    // No thread to be had: the reading waits for FinishReadingFontConfig.
  }
}

void FinishReadingFontConfig() {
  if (Reader().joinable()) Reader().join();
  if (!std::exchange(ReadOnce(), true)) ReadFontConfig();
}
