// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileText.h"

#include <algorithm>

#include "TextEncoding.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Names compare without regard to case, so the index stores them in lower case.
std::string IndexName(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) c = Lower(c);
  return lower;
}

enum class LineKind { Blank, Comment, Header, Entry, Other };

struct LineParts {
  LineKind kind = LineKind::Blank;
  std::string_view name;   // section name of a header, key name of an entry
  std::string_view value;  // value of an entry, trimmed
};

LineParts Classify(std::string_view text) {
  const std::string_view s = Trim(text);
  if (s.empty()) return {LineKind::Blank, {}, {}};
  if (s.front() == ';') return {LineKind::Comment, {}, {}};
  if (s.front() == '[') {
    const std::size_t close = s.rfind(']');
    if (close != std::string_view::npos) {
      return {LineKind::Header, Trim(s.substr(1, close - 1)), {}};
    }
  }
  const std::size_t equals = s.find('=');
  if (equals == std::string_view::npos) return {LineKind::Other, {}, {}};
  return {LineKind::Entry, Trim(s.substr(0, equals)), Trim(s.substr(equals + 1))};
}

std::string_view WithoutQuotes(std::string_view value) {
  if (value.size() >= 2 && value.front() == value.back() &&
      (value.front() == '"' || value.front() == '\'')) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// A read's limit counts characters, so a long value is never cut inside one.
std::string Capped(std::string_view s) {
  return std::string(s.substr(0, CharacterPrefixBytes(s, ProfileText::ReadLimit)));
}

constexpr const char* WrittenLineEnd = "\r\n";

}  // namespace

ProfileText ProfileText::Parse(std::string_view bytes) {
  ProfileText file;
  constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
  constexpr std::string_view Utf16LittleEndianMark = "\xFF\xFE";
  constexpr std::string_view Utf16BigEndianMark = "\xFE\xFF";
  if (bytes.starts_with(Utf8Mark)) {
    file.byteOrderMark_ = Utf8Mark;
    file.ParseLines(bytes.substr(Utf8Mark.size()));
  } else if (bytes.starts_with(Utf16LittleEndianMark) || bytes.starts_with(Utf16BigEndianMark)) {
    const bool bigEndian = bytes.starts_with(Utf16BigEndianMark);
    file.encoding_ = bigEndian ? Encoding::Utf16BigEndian : Encoding::Utf16LittleEndian;
    file.byteOrderMark_ = bytes.substr(0, 2);
    bytes.remove_prefix(2);
    if (bytes.size() % 2 != 0) file.oddLastByte_ = bytes.substr(bytes.size() - 1);
    file.ParseLines(Utf16ToUtf8(bytes, bigEndian));
  } else {
    file.ParseLines(bytes);
  }
  return file;
}

void ProfileText::ParseLines(std::string_view bytes) {
  lines_.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    // A plain loop: find_first_of would search its set for every byte.
    while (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n') ++i;
    if (i == bytes.size()) break;
    const std::size_t endLength =
        (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    lines_.push_back(
        {std::string(bytes.substr(start, i - start)), std::string(bytes.substr(i, endLength))});
    i += endLength;
    start = i;
  }
  if (start < bytes.size()) lines_.push_back({std::string(bytes.substr(start)), ""});
}

ProfileText::Section* ProfileText::FindSection(std::string_view section) const {
  if (!sections_) {
    // One pass: each name's first header, where its section ends and where a
    // new key would go.
    sections_.emplace();
    Section* current = nullptr;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const LineParts parts = Classify(lines_[i].text);
      if (parts.kind == LineKind::Header) {
        if (current != nullptr) current->end = i;
        const auto [entry, added] =
            sections_->try_emplace(IndexName(parts.name), Section{i, i + 1, i + 1, {}});
        // A later section of the same name is never read or written.
        current = added ? &entry->second : nullptr;
      } else if (current != nullptr &&
                 (parts.kind == LineKind::Entry || parts.kind == LineKind::Other)) {
        // After the last key, so trailing blank lines and comments stay between
        // this section and the next.
        current->insertAt = i + 1;
      }
    }
    if (current != nullptr) current->end = lines_.size();
  }
  const auto found = sections_->find(IndexName(section));
  return found == sections_->end() ? nullptr : &found->second;
}

std::optional<std::size_t> ProfileText::FindKey(Section& section, std::string_view key) const {
  if (!section.keys) {
    section.keys.emplace();
    for (std::size_t i = section.header + 1; i < section.end; ++i) {
      const LineParts parts = Classify(lines_[i].text);
      if (parts.kind == LineKind::Entry) section.keys->try_emplace(IndexName(parts.name), i);
    }
  }
  const auto found = section.keys->find(IndexName(key));
  if (found == section.keys->end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> ProfileText::Find(std::string_view section, std::string_view key) const {
  Section* header = FindSection(section);
  if (header == nullptr) return std::nullopt;
  const auto line = FindKey(*header, key);
  if (!line) return std::nullopt;
  return Capped(WithoutQuotes(Classify(lines_[*line].text).value));
}

std::string ProfileText::Read(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const {
  if (auto value = Find(section, key)) return *value;
  while (!defaultValue.empty() && IsBlank(defaultValue.back())) defaultValue.remove_suffix(1);
  return Capped(defaultValue);
}

void ProfileText::Insert(std::size_t index, std::vector<Line> added) {
  if (added.empty()) return;
  // A last line without a line end needs one before anything can follow it.
  if (index > 0 && lines_[index - 1].ending.empty()) lines_[index - 1].ending = WrittenLineEnd;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index),
                std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
}

void ProfileText::Write(std::string_view section, std::string_view key, std::string_view value) {
  Write(section, {{std::string(key), std::string(value)}});
}

void ProfileText::Write(std::string_view section,
                        const std::vector<std::pair<std::string, std::string>>& entries) {
  Write({{std::string(section), entries, false}});
}

void ProfileText::ReplaceSection(std::string_view section,
                                 const std::vector<std::pair<std::string, std::string>>& entries) {
  Write({{std::string(section), entries, true}});
}

void ProfileText::Write(const std::vector<SectionEntries>& sections) {
  std::vector<Splice> splices;
  std::unordered_map<std::string, bool> written;
  for (const SectionEntries& write : sections) {
    // A section given twice sees the first write made.
    if (!written.try_emplace(IndexName(write.section), true).second) {
      ApplySplices(std::move(splices));
      splices.clear();
      written = {{IndexName(write.section), true}};
    }
    Section* found = FindSection(write.section);
    std::vector<Line> added;
    // Keys new to the section, by name, so that a key given twice ends as one line.
    std::unordered_map<std::string, std::size_t> addedKeys;
    if (found == nullptr) added.push_back({"[" + write.section + "]", WrittenLineEnd});
    for (const auto& [key, fullValue] : write.entries) {
      const std::string_view value =
          std::string_view(fullValue).substr(0, fullValue.find_first_of("\r\n"));
      if (found != nullptr && !write.replaceWhole) {
        // In place: the line keeps its key, so the index stays right.
        if (const auto line = FindKey(*found, key)) {
          const std::string spelling(Classify(lines_[*line].text).name);
          lines_[*line] = Line{spelling + "=" + std::string(value), WrittenLineEnd};
          continue;
        }
      }
      const auto [entry, isNew] = addedKeys.try_emplace(IndexName(key), added.size());
      if (isNew) {
        added.push_back({std::string(key) + "=" + std::string(value), WrittenLineEnd});
      } else {
        Line& line = added[entry->second];
        line.text = line.text.substr(0, line.text.find('=')) + "=" + std::string(value);
      }
    }
    if (found == nullptr)
      splices.push_back({lines_.size(), 0, std::move(added), true});
    else if (write.replaceWhole)
      splices.push_back({found->header + 1, found->insertAt - found->header - 1, std::move(added)});
    else
      splices.push_back({found->insertAt, 0, std::move(added)});
  }
  ApplySplices(std::move(splices));
}

void ProfileText::ApplySplices(std::vector<Splice> splices) {
  // From the end of the file back, so the places still ahead stay right. At
  // the end of the file new sections follow the keys added to the last one,
  // in the order given: there the later goes in first.
  std::vector<std::size_t> order(splices.size());
  for (std::size_t n = 0; n < order.size(); ++n) order[n] = n;
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (splices[a].at != splices[b].at) return splices[a].at > splices[b].at;
    if (splices[a].newSection != splices[b].newSection) return splices[a].newSection;
    return a > b;
  });
  bool changed = false;
  for (const std::size_t n : order) {
    Splice& splice = splices[n];
    if (splice.erase > 0) {
      const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(splice.at);
      lines_.erase(first, first + static_cast<std::ptrdiff_t>(splice.erase));
      changed = true;
    }
    changed |= !splice.lines.empty();
    Insert(splice.at, std::move(splice.lines));
  }
  if (changed) sections_.reset();
}

std::string ProfileText::Bytes() const {
  std::size_t size = 0;
  for (const Line& line : lines_) size += line.text.size() + line.ending.size();
  std::string text;
  text.reserve(size);
  for (const Line& line : lines_) {
    text += line.text;
    text += line.ending;
  }
  if (encoding_ == Encoding::Utf8) return byteOrderMark_.empty() ? text : byteOrderMark_ + text;
  return byteOrderMark_ + Utf8ToUtf16(text, encoding_ == Encoding::Utf16BigEndian) + oddLastByte_;
}
