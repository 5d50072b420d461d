// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// An initialisation file held in memory, read and edited the way the Windows
// profile functions treat such files: names match without regard to case, blanks
// around names and values are dropped, one pair of matching quotes around a value
// is dropped, lines starting with ';' are comments and the first of duplicated
// sections or keys wins. Edits touch only the lines they must; every other line,
// line end included, comes back byte for byte. A file in UTF-16 with its byte
// order mark is read as such and written back in the same encoding.
//
// Lookups go through an index of the sections built in one pass over the
// lines, so a file of any length costs one pass per load and per save.
class ProfileText {
 public:
  // The most characters a read returns.
  static constexpr std::size_t ReadLimit = 1023;

  ProfileText() = default;
  // Accepts CR LF, LF and CR line ends alike.
  static ProfileText Parse(std::string_view bytes);

  // The value of key in section, or nothing when either is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // A read as the profile functions do it: the value, else the default with its
  // trailing blanks removed; either cut to ReadLimit characters.
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view defaultValue) const;

  // Replaces the key's line where it stands (keeping the key's spelling), or adds
  // the key after the last key of its section, or adds the section at the end.
  // A value can only span one line, so it is cut at its first CR or LF.
  void Write(std::string_view section, std::string_view key, std::string_view value);
  // The same as writing each entry in turn, in one pass over the file.
  void Write(std::string_view section,
             const std::vector<std::pair<std::string, std::string>>& entries);
  // Makes the section hold exactly these entries: its keys and the lines
  // among them go, the comments and blank lines after its last key stay. A
  // missing section is added at the end, as by Write.
  void ReplaceSection(std::string_view section,
                      const std::vector<std::pair<std::string, std::string>>& entries);

  // One section's part of a write of several.
  struct SectionEntries {
    std::string section;
    std::vector<std::pair<std::string, std::string>> entries;
    bool replaceWhole = false;  // as ReplaceSection, else as Write
  };
  // The same as writing each section in turn, with one look-up of the
  // sections, so a save of several sections costs one pass over a long file.
  void Write(const std::vector<SectionEntries>& sections);

  // The whole file as it would be stored.
  std::string Bytes() const;

 private:
  enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

  struct Line {
    std::string text;    // without its line end
    std::string ending;  // "\r\n", "\n", "\r" or "" for a last line without one
  };

  // The first section of each name; keys are looked up when first needed.
  struct Section {
    std::size_t header = 0;
    std::size_t end = 0;       // one past its last line
    std::size_t insertAt = 0;  // one past its last key (or its header)
    std::optional<std::unordered_map<std::string, std::size_t>> keys;
  };

  void ParseLines(std::string_view bytes);
  Section* FindSection(std::string_view section) const;
  std::optional<std::size_t> FindKey(Section& section, std::string_view key) const;
  void Insert(std::size_t index, std::vector<Line> added);
  // Lines to take out at a place in the file and the lines to put there.
  struct Splice {
    std::size_t at = 0;
    std::size_t erase = 0;
    std::vector<Line> lines;
    bool newSection = false;  // added at the end of the file
  };
  // Made in the order given; each counts its place in the file as it stood
  // before any of them.
  void ApplySplices(std::vector<Splice> splices);

  Encoding encoding_ = Encoding::Utf8;
  std::string byteOrderMark_;  // written back, but not part of the first line's text
  std::string oddLastByte_;    // of a UTF-16 file with an odd length, written back as it was
  std::vector<Line> lines_;
  // Built on first use and dropped by every write.
  mutable std::optional<std::unordered_map<std::string, Section>> sections_;
};
