// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings file reader and the money conversion,
// and checks the properties the rest of the game relies on.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "Money.h"
#include "MoneyText.h"
#include "ProfileText.h"
#include "ProfileValues.h"
#include "TextEncoding.h"

namespace {

void Require(bool holds) {
  if (!holds) std::abort();
}

void CheckProfile(std::string_view bytes) {
  ProfileText file = ProfileText::Parse(bytes);
  Require(file.Bytes() == bytes);  // nothing is lost or changed by reading

  const std::string other = file.Read("Saved Game 1", "Name", "<none>");
  const std::string credits = file.Read("Settings", "Credits", "");
  Require(CharacterPrefixBytes(credits, ProfileText::ReadLimit) == credits.size());
  Require(IsValidUtf8(TextFromFile(credits)));

  file.Write("Settings", "Credits", "12.50");
  file.Write("settings", "NewKey", ProfileTextValue(" spaced "));
  const ProfileText reread = ProfileText::Parse(file.Bytes());
  Require(reread.Find("SETTINGS", "credits") == std::string("12.50"));
  Require(reread.Find("Settings", "NewKey") == std::string(" spaced "));
  Require(reread.Read("Saved Game 1", "Name", "<none>") == other);
}

// UTF-16 of any kind, lone surrogates included, comes back unchanged.
void CheckUtf16(std::string_view bytes) {
  const std::string_view even = bytes.substr(0, bytes.size() - bytes.size() % 2);
  for (const bool bigEndian : {false, true}) {
    const std::string text = Utf16ToUtf8(even, bigEndian);
    Require(Utf8ToUtf16(text, bigEndian) == even);
  }
}

void CheckMoney(std::string_view bytes) {
  Require(std::isfinite(TextToMoney(bytes)));
  if (bytes.size() >= sizeof(std::int64_t)) {
    std::int64_t raw = 0;
    std::memcpy(&raw, bytes.data(), sizeof raw);
    const std::int64_t cents =
        static_cast<std::int64_t>(static_cast<std::uint64_t>(raw) % 1'000'000'000'000ULL);
    const double amount = money::FromCents(cents);
    Require(TextToMoney(MoneyToText(amount)) == amount);
  }
}

void CheckInteger(std::string_view bytes) {
  if (const auto value = ParseProfileInteger(bytes)) {
    Require(ParseProfileInteger(std::to_string(*value)) == *value);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckProfile(bytes);
  CheckUtf16(bytes);
  CheckMoney(bytes);
  CheckInteger(bytes);
  return 0;
}
