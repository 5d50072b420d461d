// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

// A song as written in its note-list file: sections of chords (one a bar) and
// melody notes, the order the sections play in, and how each part is played.
struct MelodyNote {
  int pitch;  // MIDI note number; -1 for a rest
  double beats;
};

struct Section {
  std::vector<std::string> chords;  // one per bar
  std::vector<MelodyNote> melody;
};

struct PartStyle {
  int program = 0;  // General MIDI program, counted from 0
  std::string style;
  int volume = 80;
};

struct SongSource {
  std::string title;
  int tempo = 120;  // quarter notes a minute
  int meter = 4;    // beats a bar
  bool swing = false;
  PartStyle melody, chords, bass;
  std::string drums = "none";
  int drumVolume = 70;
  std::map<std::string, Section> sections;
  std::vector<std::string> form;
  std::string endingChord;
  int endingNote = -1;
};

// Reads a note-list file. Throws std::runtime_error naming the line at fault.
SongSource ParseSongSource(const std::string& text);

// "C5", "F#4", "Bb3" as a MIDI note number (C4 = 60). Throws on anything else.
int NoteNumber(const std::string& name);

// A chord name ("F", "Am", "G7", "Fmaj7", "Dm7", "Bdim", "Gsus4") as its
// root pitch class and its intervals above the root.
struct Chord {
  int root;
  std::vector<int> intervals;
};
Chord ParseChord(const std::string& name);
