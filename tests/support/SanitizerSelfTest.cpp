// SPDX-License-Identifier: GPL-3.0-or-later
// Faults a sanitized build must stop at, one a run, named by the argument:
// its tests would otherwise pass just as well without the sanitizers.
#include <climits>
#include <cstring>

namespace {
int* volatile kept = nullptr;
}

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  if (std::strcmp(argv[1], "use-after-free") == 0) {
    int* block = new int[4]{};
    volatile int index = 1;
    delete[] block;
    return block[index];
  }
  if (std::strcmp(argv[1], "signed-overflow") == 0) {
    volatile int largest = INT_MAX;
    return largest + argc;
  }
  if (std::strcmp(argv[1], "leak") == 0) {
    kept = new int[8]{};
    kept = nullptr;
    return 0;
  }
  return 2;
}
