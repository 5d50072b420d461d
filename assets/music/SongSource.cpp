// SPDX-License-Identifier: GPL-3.0-or-later
#include "SongSource.h"

#include <sstream>
#include <stdexcept>

namespace {

int PitchClass(char letter) {
  switch (letter) {
    case 'C':
      return 0;
    case 'D':
      return 2;
    case 'E':
      return 4;
    case 'F':
      return 5;
    case 'G':
      return 7;
    case 'A':
      return 9;
    case 'B':
      return 11;
    default:
      throw std::runtime_error(std::string("not a note letter: ") + letter);
  }
}

// Root letter with an optional sharp or flat; returns the characters used.
std::size_t ReadRoot(const std::string& name, int& pitchClass) {
  if (name.empty()) throw std::runtime_error("empty note name");
  pitchClass = PitchClass(name[0]);
  std::size_t used = 1;
  if (name.size() > 1 && (name[1] == '#' || name[1] == 'b')) {
    pitchClass += name[1] == '#' ? 1 : -1;
    used = 2;
  }
  pitchClass = (pitchClass + 12) % 12;
  return used;
}

double Beats(const std::string& text) {
  std::size_t used = 0;
  const double beats = std::stod(text, &used);
  if (used != text.size() || beats <= 0) throw std::runtime_error("bad length: " + text);
  return beats;
}

}  // namespace

int NoteNumber(const std::string& name) {
  int pitchClass = 0;
  const std::size_t used = ReadRoot(name, pitchClass);
  const std::string octaveText = name.substr(used);
  if (octaveText.size() != 1 || octaveText[0] < '0' || octaveText[0] > '8')
    throw std::runtime_error("bad octave in note: " + name);
  // Sharps and flats change the pitch, not the octave: Cb4 is B3.
  const int natural = PitchClass(name[0]);
  const int shift = used == 2 ? (name[1] == '#' ? 1 : -1) : 0;
  return 12 * (octaveText[0] - '0' + 1) + natural + shift;
}

Chord ParseChord(const std::string& name) {
  Chord chord{};
  const std::string quality = name.substr(ReadRoot(name, chord.root));
  static const std::map<std::string, std::vector<int>> qualities = {
      {"", {0, 4, 7}},       {"m", {0, 3, 7}},    {"7", {0, 4, 7, 10}}, {"maj7", {0, 4, 7, 11}},
      {"m7", {0, 3, 7, 10}}, {"6", {0, 4, 7, 9}}, {"dim", {0, 3, 6}},   {"sus4", {0, 5, 7}},
  };
  const auto found = qualities.find(quality);
  if (found == qualities.end()) throw std::runtime_error("unknown chord: " + name);
  chord.intervals = found->second;
  return chord;
}

SongSource ParseSongSource(const std::string& text) {
  SongSource song;
  std::istringstream lines(text);
  std::string line;
  Section* current = nullptr;
  int lineNumber = 0;
  while (std::getline(lines, line)) {
    ++lineNumber;
    // A comment starts with '#' at the start of a word, so F#4 stays a note.
    for (std::size_t i = 0; i < line.size(); ++i)
      if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
        line.erase(i);
        break;
      }
    std::istringstream words(line);
    std::string keyword;
    if (!(words >> keyword)) continue;
    try {
      std::vector<std::string> args;
      for (std::string word; words >> word;)
        if (word != "|") args.push_back(word);
      auto needArgs = [&](std::size_t n) {
        if (args.size() < n) throw std::runtime_error("missing values after " + keyword);
      };
      auto readPart = [&](PartStyle& part) {
        needArgs(3);
        part.program = std::stoi(args[0]);
        part.style = args[1];
        part.volume = std::stoi(args[2]);
      };
      if (keyword == "title") {
        for (const auto& word : args) song.title += (song.title.empty() ? "" : " ") + word;
      } else if (keyword == "tempo") {
        needArgs(1);
        song.tempo = std::stoi(args[0]);
      } else if (keyword == "meter") {
        needArgs(1);
        song.meter = std::stoi(args[0]);
      } else if (keyword == "swing") {
        song.swing = true;
      } else if (keyword == "melody-part") {
        readPart(song.melody);
      } else if (keyword == "chord-part") {
        readPart(song.chords);
      } else if (keyword == "bass-part") {
        readPart(song.bass);
      } else if (keyword == "drums") {
        needArgs(2);
        song.drums = args[0];
        song.drumVolume = std::stoi(args[1]);
      } else if (keyword == "section") {
        needArgs(1);
        current = &song.sections[args[0]];
      } else if (keyword == "chords" || keyword == "melody") {
        if (!current) throw std::runtime_error(keyword + " before any section");
        for (const auto& word : args) {
          if (keyword == "chords") {
            ParseChord(word);
            current->chords.push_back(word);
            continue;
          }
          const auto slash = word.find('/');
          if (slash == std::string::npos) throw std::runtime_error("note without length: " + word);
          const std::string pitch = word.substr(0, slash);
          current->melody.push_back(
              {pitch == "r" ? -1 : NoteNumber(pitch), Beats(word.substr(slash + 1))});
        }
      } else if (keyword == "form") {
        song.form = args;
      } else if (keyword == "ending") {
        needArgs(2);
        ParseChord(args[0]);
        song.endingChord = args[0];
        song.endingNote = NoteNumber(args[1]);
      } else {
        throw std::runtime_error("unknown keyword " + keyword);
      }
    } catch (const std::exception& error) {
      throw std::runtime_error("line " + std::to_string(lineNumber) + ": " + error.what());
    }
  }
  for (const auto& name : song.form)
    if (!song.sections.count(name)) throw std::runtime_error("form names no section " + name);
  for (const auto& [name, section] : song.sections) {
    double beats = 0;
    for (const auto& note : section.melody) beats += note.beats;
    const double expected = static_cast<double>(section.chords.size() * song.meter);
    if (beats != expected)
      throw std::runtime_error("section " + name + ": melody runs " + std::to_string(beats) +
                               " beats, its chords " + std::to_string(expected));
  }
  return song;
}
