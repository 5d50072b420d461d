// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateXServer.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

void UsePrivateXServer() {
  if (std::getenv("VOLTARO_ON_PRIVATE_X_SERVER") != nullptr) return;
  // The program's own arguments, as it was started.
  std::ifstream commandLine("/proc/self/cmdline", std::ios::binary);
  char program[4096] = {};
  if (readlink("/proc/self/exe", program, sizeof program - 1) <= 0) std::exit(1);
  std::vector<std::string> words{"bash", VOLTARO_PRIVATE_X_SERVER_SCRIPT, program};
  std::string word;
  for (bool first = true; std::getline(commandLine, word, '\0'); first = false)
    if (!first) words.push_back(word);
  std::vector<char*> args;
  for (std::string& w : words) args.push_back(w.data());
  args.push_back(nullptr);
  execvp("bash", args.data());
  std::perror("on_private_x_server.sh");
  std::exit(1);
}
