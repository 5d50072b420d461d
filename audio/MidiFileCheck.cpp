// SPDX-License-Identifier: GPL-3.0-or-later
#include "MidiFileCheck.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// The mixer takes any file named .mid for MIDI, and the synthesizer finds out
// only while playing that it is damaged: the song then "ends" at once, as if
// it had played through, and the playlist would reopen it at every tick. So
// the file's structure is checked here, where the device refuses a bad file.
class MidiReader {
 public:
  MidiReader(const std::string& bytes, std::size_t begin, std::size_t end)
      : bytes_(bytes), at_(begin), end_(end) {}

  bool AtEnd() const { return at_ >= end_; }
  std::size_t Position() const { return at_; }

  bool Byte(std::uint8_t& value) {
    if (at_ >= end_) return false;
    value = static_cast<std::uint8_t>(bytes_[at_++]);
    return true;
  }
  bool BigEndian(int count, std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < count; ++i) {
      std::uint8_t byte = 0;
      if (!Byte(byte)) return false;
      value = (value << 8) | byte;
    }
    return true;
  }
  bool LittleEndian32(std::uint32_t& value) {
    value = 0;
    for (int shift = 0; shift < 32; shift += 8) {
      std::uint8_t byte = 0;
      if (!Byte(byte)) return false;
      value |= static_cast<std::uint32_t>(byte) << shift;
    }
    return true;
  }
  bool VariableLength(std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t byte = 0;
      if (!Byte(byte)) return false;
      value = (value << 7) | (byte & 0x7F);
      if ((byte & 0x80) == 0) return true;
    }
    return false;
  }
  bool Tag(std::string& tag) {
    if (at_ + 4 > end_) return false;
    tag = bytes_.substr(at_, 4);
    at_ += 4;
    return true;
  }
  bool Skip(std::uint32_t count) {
    if (count > end_ - at_) return false;
    at_ += count;
    return true;
  }

 private:
  const std::string& bytes_;
  std::size_t at_;
  std::size_t end_;
};

bool IsPrintableTag(const std::string& tag) {
  for (char c : tag)
    if (c < 0x20 || c > 0x7E) return false;
  return true;
}

// Every event of one track, up to its end-of-track event or its last byte.
bool ReadTrackEvents(MidiReader track) {
  std::uint8_t running = 0;
  while (!track.AtEnd()) {
    std::uint32_t delta = 0;
    std::uint8_t status = 0;
    if (!track.VariableLength(delta) || !track.Byte(status)) return false;
    if (status < 0x80) {
      if (running == 0) return false;
      // Running status: the byte read was the event's first data byte.
      if (!track.Skip((running & 0xE0) == 0xC0 ? 0 : 1)) return false;
      continue;
    }
    std::uint32_t length = 0;
    if (status == 0xFF) {
      std::uint8_t type = 0;
      if (!track.Byte(type) || !track.VariableLength(length) || !track.Skip(length)) return false;
      if (type == 0x2F) return true;
    } else if (status == 0xF0 || status == 0xF7) {
      if (!track.VariableLength(length) || !track.Skip(length)) return false;
      running = 0;
    } else if (status >= 0xF0) {
      return false;
    } else {
      running = status;
      if (!track.Skip((status & 0xE0) == 0xC0 ? 1 : 2)) return false;
    }
  }
  return true;
}

// A standard MIDI file between begin and end: its header, with metrical
// timing (the synthesizer has no SMPTE timing), and every announced track.
bool IsStandardMidi(const std::string& bytes, std::size_t begin, std::size_t end) {
  MidiReader file(bytes, begin, end);
  std::string tag;
  std::uint32_t headerLength = 0, format = 0, tracks = 0, division = 0;
  if (!file.Tag(tag) || tag != "MThd" || !file.BigEndian(4, headerLength) || headerLength < 6 ||
      !file.BigEndian(2, format) || !file.BigEndian(2, tracks) || !file.BigEndian(2, division) ||
      !file.Skip(headerLength - 6))
    return false;
  if (format > 2 || tracks == 0 || (division & 0x8000) != 0 || division == 0) return false;
  for (std::uint32_t found = 0; found < tracks;) {
    std::uint32_t length = 0;
    if (!file.Tag(tag) || !file.BigEndian(4, length)) return false;
    const std::size_t start = file.Position();
    if (!file.Skip(length)) return false;
    if (tag == "MTrk") {
      if (!ReadTrackEvents(MidiReader(bytes, start, start + length))) return false;
      ++found;
    } else if (!IsPrintableTag(tag)) {
      return false;
    }
  }
  return true;
}

}  // namespace

// A .mid file, or an .rmi file: a RIFF "RMID" whose "data" chunk holds one.
bool IsPlayableMidi(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.compare(0, 4, "MThd") == 0) return IsStandardMidi(bytes, 0, bytes.size());
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "RMID") != 0)
    return false;
  MidiReader riff(bytes, 12, bytes.size());
  std::string tag;
  std::uint32_t length = 0;
  while (riff.Tag(tag) && riff.LittleEndian32(length)) {
    const std::size_t start = riff.Position();
    if (!riff.Skip(length)) return false;
    if (tag == "data") return IsStandardMidi(bytes, start, start + length);
    riff.Skip(length & 1);  // chunks are padded to an even length
  }
  return false;
}
