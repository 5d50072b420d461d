// SPDX-License-Identifier: GPL-3.0-or-later
#include "SongSource.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "Arranger.h"

namespace {

TEST(SongSource, NotesChordsAndComments) {
  EXPECT_EQ(NoteNumber("C4"), 60);
  EXPECT_EQ(NoteNumber("F#4"), 66);
  EXPECT_EQ(NoteNumber("Bb3"), 58);
  EXPECT_EQ(NoteNumber("Cb5"), 71);
  EXPECT_THROW(NoteNumber("H4"), std::runtime_error);
  EXPECT_THROW(NoteNumber("C"), std::runtime_error);
  EXPECT_EQ(ParseChord("Dm7").root, 2);
  EXPECT_EQ(ParseChord("Dm7").intervals, (std::vector<int>{0, 3, 7, 10}));
  EXPECT_EQ(ParseChord("Bbmaj7").root, 10);
  EXPECT_THROW(ParseChord("Cwhatever"), std::runtime_error);

  const SongSource song = ParseSongSource(
      "tempo 90   # a comment\n"
      "meter 3\n"
      "section A\n"
      "chords E | E\n"
      "melody G#4/2 r/1 | B4/3\n"
      "form A A\n"
      "ending E E4\n");
  ASSERT_EQ(song.sections.at("A").melody.size(), 3u);
  EXPECT_EQ(song.sections.at("A").melody[0].pitch, 68) << "a sharp is not a comment";
  EXPECT_EQ(song.sections.at("A").melody[1].pitch, -1);
  EXPECT_EQ(TotalBeats(song), 15.0);
}

TEST(SongSource, MistakesAreCaughtWithTheirLine) {
  try {
    ParseSongSource("section A\nchords C C\nmelody C5/4 D5/3\n");
    FAIL() << "a section whose melody is a beat short must be refused";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("section A"), std::string::npos);
  }
  try {
    ParseSongSource("tempo 100\nmelody C5/1\n");
    FAIL();
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("line 2"), std::string::npos);
  }
  EXPECT_THROW(ParseSongSource("section A\nchords C\nmelody C5/4\nform A B\n"), std::runtime_error);
}

TEST(Arranger, NotesStayInTheirBars) {
  const SongSource song = ParseSongSource(
      "meter 4\nchord-part 0 pop 60\nbass-part 32 walking 80\ndrums swing 70\nswing\n"
      "section A\nchords C G7\nmelody C5/0.5 D5/0.5 E5/3 | G5/4\nform A\nending C C5\n");
  const auto notes = Arrange(song);
  ASSERT_FALSE(notes.empty());
  for (const PlayedNote& note : notes) {
    EXPECT_GE(note.start, 0);
    EXPECT_LE(note.start + note.beats, TotalBeats(song) + 1e-9);
    EXPECT_GE(note.pitch, 0);
    EXPECT_LE(note.pitch, 127);
  }
  // Swing: the second eighth of the first beat moves to two thirds of it.
  bool foundD = false;
  for (const PlayedNote& note : notes)
    if (note.channel == MelodyChannel && note.pitch == NoteNumber("D5")) {
      EXPECT_NEAR(note.start, 2.0 / 3.0, 1e-9);
      foundD = true;
    }
  EXPECT_TRUE(foundD);
}

}  // namespace
