// SPDX-License-Identifier: GPL-3.0-or-later
#include "Arranger.h"

#include <cmath>
#include <stdexcept>

namespace {

// General MIDI drum keys.
constexpr int Kick = 36, Snare = 38, ClosedHat = 42, PedalHat = 44, Ride = 51, SideStick = 37;

struct Bar {
  Chord chord;
  Chord next;
  double start;
};

// Chord tones voiced between F3 and E5, so every chord sits in the same band.
std::vector<int> Voicing(const Chord& chord) {
  const int base = 53 + (chord.root - 5 + 12) % 12;
  std::vector<int> notes;
  for (int interval : chord.intervals) notes.push_back(base + interval);
  return notes;
}

int BassRoot(const Chord& chord) { return 33 + (chord.root - 9 + 12) % 12; }

void ChordPart(const SongSource& song, const Bar& bar, std::vector<PlayedNote>& out) {
  const PartStyle& part = song.chords;
  const auto tones = Voicing(bar.chord);
  auto hit = [&](double at, double beats, int velocity) {
    for (int pitch : tones) out.push_back({ChordChannel, pitch, velocity, bar.start + at, beats});
  };
  if (part.style == "arpeggio") {
    // Up and down the chord in eighths, the root an octave up at the turn.
    std::vector<int> cycle = tones;
    cycle.push_back(tones[0] + 12);
    for (std::size_t i = cycle.size() - 2; i >= 1; --i) cycle.push_back(cycle[i]);
    for (int eighth = 0; eighth < song.meter * 2; ++eighth)
      out.push_back({ChordChannel, cycle[static_cast<std::size_t>(eighth) % cycle.size()],
                     part.volume - (eighth % 2) * 8, bar.start + eighth * 0.5, 0.6});
  } else if (part.style == "pop") {
    hit(0, 1.4, part.volume);
    hit(1.5, 1.0, part.volume - 10);
    hit(3, 0.9, part.volume - 6);
  } else if (part.style == "comp") {
    hit(0, 0.9, part.volume);
    hit(1.5, 1.2, part.volume - 8);
  } else if (part.style == "pad") {
    hit(0, song.meter, part.volume);
  } else {
    throw std::runtime_error("unknown chord style " + part.style);
  }
}

void BassPart(const SongSource& song, const Bar& bar, std::vector<PlayedNote>& out) {
  const PartStyle& part = song.bass;
  const int root = BassRoot(bar.chord);
  const int fifth = root + 7;
  auto note = [&](int pitch, double at, double beats, int velocity) {
    out.push_back({BassChannel, pitch, velocity, bar.start + at, beats});
  };
  if (part.style == "pop") {
    note(root, 0, 1.4, part.volume);
    note(root, 1.5, 0.4, part.volume - 12);
    note(fifth, 2, 1.4, part.volume - 4);
    note(root + 12, 3.5, 0.4, part.volume - 12);
  } else if (part.style == "walking") {
    // Root, third, fifth, then a half step into the next bar's root.
    const int third = root + bar.chord.intervals[1];
    const int nextRoot = BassRoot(bar.next);
    const int approach = nextRoot > root ? nextRoot - 1 : nextRoot + 1;
    const int line[] = {root, third, fifth, approach};
    for (int beat = 0; beat < 4; ++beat) note(line[beat], beat, 0.9, part.volume - (beat % 2) * 8);
  } else if (part.style == "held") {
    note(root, 0, song.meter - 0.1, part.volume);
  } else {
    throw std::runtime_error("unknown bass style " + part.style);
  }
}

void DrumPart(const SongSource& song, double start, std::vector<PlayedNote>& out) {
  const int v = song.drumVolume;
  auto hit = [&](int key, double at, int velocity) {
    out.push_back({DrumChannel, key, velocity, start + at, 0.25});
  };
  if (song.drums == "pop") {
    hit(Kick, 0, v + 10);
    hit(Kick, 2.5, v);
    hit(Snare, 1, v);
    hit(Snare, 3, v);
    for (int eighth = 0; eighth < 8; ++eighth)
      hit(ClosedHat, eighth * 0.5, v - 20 - (eighth % 2) * 10);
  } else if (song.drums == "swing") {
    for (double at : {0.0, 1.0, 1.5, 2.0, 3.0, 3.5})
      hit(Ride, at, v - (at == 1.5 || at == 3.5 ? 15 : 0));
    hit(PedalHat, 1, v - 15);
    hit(PedalHat, 3, v - 15);
    hit(Kick, 0, v - 25);
  } else if (song.drums == "brushes") {
    hit(SideStick, static_cast<double>(song.meter - 1), v - 20);
  } else if (song.drums != "none") {
    throw std::runtime_error("unknown drum style " + song.drums);
  }
}

// Swung eighths: the second eighth of each beat falls two thirds of the way.
double Swung(double beat) {
  const double whole = std::floor(beat);
  const double part = beat - whole;
  return whole + (part <= 0.5 ? part * 4.0 / 3.0 : 2.0 / 3.0 + (part - 0.5) * 2.0 / 3.0);
}

}  // namespace

double TotalBeats(const SongSource& song) {
  double bars = 0;
  for (const auto& name : song.form)
    bars += static_cast<double>(song.sections.at(name).chords.size());
  if (!song.endingChord.empty()) bars += 1;
  return bars * song.meter;
}

std::vector<PlayedNote> Arrange(const SongSource& song) {
  std::vector<std::string> chordNames;
  std::vector<PlayedNote> out;
  double start = 0;
  for (const auto& name : song.form) {
    const Section& section = song.sections.at(name);
    double at = start;
    for (const MelodyNote& note : section.melody) {
      if (note.pitch >= 0)
        out.push_back({MelodyChannel, note.pitch, song.melody.volume, at, note.beats * 0.95});
      at += note.beats;
    }
    for (const auto& chord : section.chords) chordNames.push_back(chord);
    start += static_cast<double>(section.chords.size() * song.meter);
  }
  const std::string closing = song.endingChord.empty() ? chordNames.front() : song.endingChord;
  for (std::size_t i = 0; i < chordNames.size(); ++i) {
    const std::string& next = i + 1 < chordNames.size() ? chordNames[i + 1] : closing;
    const Bar bar{ParseChord(chordNames[i]), ParseChord(next), static_cast<double>(i * song.meter)};
    ChordPart(song, bar, out);
    BassPart(song, bar, out);
    DrumPart(song, bar.start, out);
  }
  if (!song.endingChord.empty()) {
    const Chord chord = ParseChord(song.endingChord);
    const double hold = song.meter;
    for (int pitch : Voicing(chord))
      out.push_back({ChordChannel, pitch, song.chords.volume, start, hold});
    out.push_back({BassChannel, BassRoot(chord), song.bass.volume, start, hold});
    out.push_back({MelodyChannel, song.endingNote, song.melody.volume, start, hold});
  }
  if (song.swing) {
    for (PlayedNote& note : out) {
      const double end = Swung(note.start + note.beats);
      note.start = Swung(note.start);
      note.beats = std::max(0.05, end - note.start);
    }
  }
  return out;
}
