// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveShape.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::uint16_t TagPcm = 0x0001;
constexpr std::uint16_t TagMsAdpcm = 0x0002;
constexpr std::uint16_t TagFloat = 0x0003;
constexpr std::uint16_t TagALaw = 0x0006;
constexpr std::uint16_t TagMuLaw = 0x0007;
constexpr std::uint16_t TagImaAdpcm = 0x0011;
constexpr std::uint16_t TagExtensible = 0xFFFE;

std::uint16_t U16(const char* p) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(p[0]) |
                                    static_cast<unsigned char>(p[1]) << 8);
}

std::uint32_t U32(const char* p) {
  return static_cast<std::uint32_t>(U16(p)) | static_cast<std::uint32_t>(U16(p + 2)) << 16;
}

struct Format {
  std::uint16_t tag = 0;
  std::uint16_t channels = 0;
  std::uint32_t sampleRate = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t framesPerBlock = 0;  // ADPCM only
};

std::optional<Format> ParseFormat(const char* bytes, std::uint32_t length) {
  if (length < 16) return std::nullopt;
  Format format;
  format.tag = U16(bytes);
  format.channels = U16(bytes + 2);
  format.sampleRate = U32(bytes + 4);
  format.blockAlign = U16(bytes + 12);
  // The extension: ADPCM's frames per block, or the true tag of an
  // extensible header at the start of its sub-format.
  if (format.tag == TagExtensible && length >= 26) format.tag = U16(bytes + 24);
  if ((format.tag == TagMsAdpcm || format.tag == TagImaAdpcm) && length >= 20)
    format.framesPerBlock = U16(bytes + 18);
  return format;
}

std::optional<std::uint64_t> FramesOf(const Format& format, std::uint64_t dataBytes) {
  if (format.blockAlign == 0) return std::nullopt;
  switch (format.tag) {
    case TagPcm:
    case TagFloat:
    case TagALaw:
    case TagMuLaw:
      return dataBytes / format.blockAlign;
    case TagMsAdpcm:
    case TagImaAdpcm: {
      if (format.framesPerBlock == 0) return std::nullopt;
      // A short last block still decodes to a whole block at most.
      const std::uint64_t blocks = (dataBytes + format.blockAlign - 1) / format.blockAlign;
      return blocks * format.framesPerBlock;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace

std::uint64_t WaveShape::Milliseconds() const {
  if (sampleRate == 0) return 0;
  return (frames * 1000 + sampleRate - 1) / sampleRate;
}

std::optional<WaveShape> ReadWaveShape(std::span<const std::uint8_t> bytes) {
  const auto at = [&](std::uint64_t offset) {
    return reinterpret_cast<const char*>(&bytes[offset]);
  };
  const std::uint64_t size = bytes.size();
  if (size < 12 || std::string_view(at(0), 4) != "RIFF" || std::string_view(at(8), 4) != "WAVE")
    return std::nullopt;

  std::optional<Format> format;
  std::uint64_t position = 12;
  while (position + 8 <= size) {
    const std::string_view id(at(position), 4);
    const std::uint32_t length = U32(at(position + 4));
    const std::uint64_t body = position + 8;
    // A length claiming more than the file holds counts what is there.
    const std::uint64_t present = std::min<std::uint64_t>(length, size - body);
    if (id == "data") {
      if (!format || format->channels == 0 || format->sampleRate == 0) return std::nullopt;
      const auto frames = FramesOf(*format, present);
      if (!frames) return std::nullopt;
      return WaveShape{format->sampleRate, format->channels, *frames};
    }
    if (id == "fmt ") {
      format = ParseFormat(at(body), static_cast<std::uint32_t>(present));
      if (!format) return std::nullopt;
    }
    // Chunks are padded to an even length.
    position = body + length + (length & 1);
  }
  return std::nullopt;
}
