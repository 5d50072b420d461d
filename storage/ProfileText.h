#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An initialisation file held in memory, read and edited the way the Windows
// profile functions treat such files: names match without regard to case, blanks
// around names and values are dropped, one pair of matching quotes around a value
// is dropped, lines starting with ';' are comments and the first of duplicated
// sections or keys wins. Edits touch only the lines they must; every other line,
// line end included, comes back byte for byte.
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

  // The whole file as it would be stored.
  std::string Bytes() const;

 private:
  struct Line {
    std::string text;    // without its line end
    std::string ending;  // "\r\n", "\n", "\r" or "" for a last line without one
  };

  std::optional<std::size_t> FindSection(std::string_view section) const;
  // One past the last line of the section whose header is at headerIndex.
  std::size_t SectionEnd(std::size_t headerIndex) const;
  std::optional<std::size_t> FindKey(std::size_t headerIndex, std::string_view key) const;
  void Insert(std::size_t index, std::string text);

  std::string byteOrderMark_;  // kept, but not part of the first line's text
  std::vector<Line> lines_;
};
