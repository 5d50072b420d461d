// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextEncoding.h"

#include <array>
#include <cstdint>

namespace {

// Windows-1252 at 0x80-0x9F; the five unassigned bytes keep their Latin-1
// control code so that nothing is lost.
constexpr std::array<char32_t, 32> Windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t FromWindows1252(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? Windows1252High[byte - 0x80] : char32_t{byte};
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

struct Decoded {
  char32_t code = 0;
  std::size_t length = 0;  // 0: no character starts here
};

// One UTF-8 character at the start of text. Surrogate code points are accepted
// only when allowSurrogates is set (the form Utf16ToUtf8 gives lone ones).
Decoded DecodeUtf8(std::string_view text, bool allowSurrogates) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t code = 0;
  char32_t smallest = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, smallest = 0x10000;
  } else {
    return {};
  }
  if (text.size() < length) return {};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {};
    code = (code << 6) | (byte(i) & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (code < smallest || code > 0x10FFFF || (surrogate && !allowSurrogates)) return {};
  return {code, length};
}

void AppendUnit(std::string& out, std::uint16_t unit, bool bigEndian) {
  const char high = static_cast<char>(unit >> 8);
  const char low = static_cast<char>(unit & 0xFF);
  out += bigEndian ? high : low;
  out += bigEndian ? low : high;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  while (!text.empty()) {
    const Decoded c = DecodeUtf8(text, false);
    if (c.length == 0) return false;
    text.remove_prefix(c.length);
  }
  return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char b : bytes) AppendUtf8(out, FromWindows1252(static_cast<unsigned char>(b)));
  return out;
}

std::string TextFromFile(std::string_view bytes) {
  return IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
}

std::size_t CharacterPrefixBytes(std::string_view text, std::size_t characters) {
  if (text.size() <= characters) return text.size();
  if (!IsValidUtf8(text)) return characters;
  std::size_t bytes = 0;
  for (std::size_t n = 0; n < characters && bytes < text.size(); ++n) {
    bytes += DecodeUtf8(text.substr(bytes), false).length;
  }
  return bytes;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  const auto unitAt = [&](std::size_t i) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<std::uint16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  };
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const std::uint16_t unit = unitAt(i);
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    if (high && i + 3 < bytes.size()) {
      const std::uint16_t next = unitAt(i + 2);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (next - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendUtf8(out, unit);
  }
  return out;
}

std::string Utf8ToUtf16(std::string_view text, bool bigEndian) {
  std::string out;
  out.reserve(text.size() * 2);
  while (!text.empty()) {
    Decoded c = DecodeUtf8(text, true);
    if (c.length == 0) c = {FromWindows1252(static_cast<unsigned char>(text.front())), 1};
    text.remove_prefix(c.length);
    if (c.code >= 0x10000) {
      AppendUnit(out, static_cast<std::uint16_t>(0xD800 + ((c.code - 0x10000) >> 10)), bigEndian);
      AppendUnit(out, static_cast<std::uint16_t>(0xDC00 + ((c.code - 0x10000) & 0x3FF)), bigEndian);
    } else {
      AppendUnit(out, static_cast<std::uint16_t>(c.code), bigEndian);
    }
  }
  return out;
}
