// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a standard MIDI file from a note-list source:
//   make_song <source.txt> <output.MID>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "Arranger.h"

namespace {

constexpr int TicksPerBeat = 480;
// Songs must fit the game's idea of background music: one to three minutes.
constexpr double ShortestSeconds = 60, LongestSeconds = 180;

struct Event {
  long tick;
  int order;  // at the same tick, note-offs go before note-ons
  std::vector<std::uint8_t> bytes;
};

void PutVarLen(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t buffer[4];
  int count = 0;
  do {
    buffer[count++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value);
  while (count > 1) out.push_back(static_cast<std::uint8_t>(buffer[--count] | 0x80));
  out.push_back(buffer[0]);
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 127)); }

std::vector<std::uint8_t> MidiFile(const SongSource& song) {
  std::vector<Event> events;
  const std::uint32_t microsPerBeat = static_cast<std::uint32_t>(60000000 / song.tempo);
  events.push_back(
      {0,
       0,
       {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(microsPerBeat >> 16),
        static_cast<std::uint8_t>(microsPerBeat >> 8), static_cast<std::uint8_t>(microsPerBeat)}});
  events.push_back({0, 0, {0xFF, 0x58, 0x04, Byte(song.meter), 0x02, 0x18, 0x08}});
  std::vector<std::uint8_t> name = {0xFF, 0x03, Byte(static_cast<int>(song.title.size()))};
  name.insert(name.end(), song.title.begin(), song.title.end());
  events.push_back({0, 0, name});
  const std::pair<int, const PartStyle*> parts[] = {
      {MelodyChannel, &song.melody}, {ChordChannel, &song.chords}, {BassChannel, &song.bass}};
  for (const auto& [channel, part] : parts)
    events.push_back({0, 1, {static_cast<std::uint8_t>(0xC0 | channel), Byte(part->program)}});

  for (const PlayedNote& note : Arrange(song)) {
    const long on = std::lround(note.start * TicksPerBeat);
    const long off = std::max(on + 1, std::lround((note.start + note.beats) * TicksPerBeat));
    const auto channel = static_cast<std::uint8_t>(note.channel);
    events.push_back(
        {on,
         3,
         {static_cast<std::uint8_t>(0x90 | channel), Byte(note.pitch), Byte(note.velocity)}});
    events.push_back({off, 2, {static_cast<std::uint8_t>(0x80 | channel), Byte(note.pitch), 0x40}});
  }
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });

  std::vector<std::uint8_t> track;
  long previous = 0;
  for (const Event& event : events) {
    PutVarLen(track, static_cast<std::uint32_t>(event.tick - previous));
    track.insert(track.end(), event.bytes.begin(), event.bytes.end());
    previous = event.tick;
  }
  // Let the last chord ring for a beat before the end.
  PutVarLen(track, TicksPerBeat);
  track.insert(track.end(), {0xFF, 0x2F, 0x00});

  std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd'};
  PutBigEndian(file, 6, 4);
  PutBigEndian(file, 0, 2);  // one track holding every channel
  PutBigEndian(file, 1, 2);
  PutBigEndian(file, TicksPerBeat, 2);
  file.insert(file.end(), {'M', 'T', 'r', 'k'});
  PutBigEndian(file, static_cast<std::uint32_t>(track.size()), 4);
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_song <source.txt> <output.MID>\n");
    return 2;
  }
  try {
    std::ifstream in(argv[1]);
    if (!in) throw std::runtime_error("cannot read the source");
    std::stringstream text;
    text << in.rdbuf();
    const SongSource song = ParseSongSource(text.str());
    const double seconds = TotalBeats(song) * 60.0 / song.tempo;
    if (seconds < ShortestSeconds || seconds > LongestSeconds)
      throw std::runtime_error("the song runs " + std::to_string(seconds) + " s");
    const auto bytes = MidiFile(song);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write the song");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", argv[1], error.what());
    return 1;
  }
  return 0;
}
