#include "ProfileText.h"

#include <algorithm>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
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

std::string Capped(std::string_view s) {
  return std::string(s.substr(0, std::min(s.size(), ProfileText::ReadLimit)));
}

constexpr const char* WrittenLineEnd = "\r\n";

}  // namespace

ProfileText ProfileText::Parse(std::string_view bytes) {
  ProfileText file;
  constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
  if (bytes.starts_with(Utf8Mark)) {
    file.byteOrderMark_ = Utf8Mark;
    bytes.remove_prefix(Utf8Mark.size());
  }
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    const std::size_t endLength =
        (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    file.lines_.push_back(
        {std::string(bytes.substr(start, i - start)), std::string(bytes.substr(i, endLength))});
    i += endLength;
    start = i;
  }
  if (start < bytes.size()) file.lines_.push_back({std::string(bytes.substr(start)), ""});
  return file;
}

std::optional<std::size_t> ProfileText::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const LineParts parts = Classify(lines_[i].text);
    if (parts.kind == LineKind::Header && SameName(parts.name, section)) return i;
  }
  return std::nullopt;
}

std::size_t ProfileText::SectionEnd(std::size_t headerIndex) const {
  std::size_t i = headerIndex + 1;
  while (i < lines_.size() && Classify(lines_[i].text).kind != LineKind::Header) ++i;
  return i;
}

std::optional<std::size_t> ProfileText::FindKey(std::size_t headerIndex,
                                                std::string_view key) const {
  const std::size_t end = SectionEnd(headerIndex);
  for (std::size_t i = headerIndex + 1; i < end; ++i) {
    const LineParts parts = Classify(lines_[i].text);
    if (parts.kind == LineKind::Entry && SameName(parts.name, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> ProfileText::Find(std::string_view section, std::string_view key) const {
  const auto header = FindSection(section);
  if (!header) return std::nullopt;
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

void ProfileText::Insert(std::size_t index, std::string text) {
  // A last line without a line end needs one before anything can follow it.
  if (index > 0 && lines_[index - 1].ending.empty()) lines_[index - 1].ending = WrittenLineEnd;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index),
                Line{std::move(text), WrittenLineEnd});
}

void ProfileText::Write(std::string_view section, std::string_view key, std::string_view value) {
  value = value.substr(0, value.find_first_of("\r\n"));

  const auto header = FindSection(section);
  if (!header) {
    Insert(lines_.size(), "[" + std::string(section) + "]");
    Insert(lines_.size(), std::string(key) + "=" + std::string(value));
    return;
  }
  if (const auto line = FindKey(*header, key)) {
    const std::string spelling(Classify(lines_[*line].text).name);
    lines_[*line] = Line{spelling + "=" + std::string(value), WrittenLineEnd};
    return;
  }
  // After the section's last key, so trailing blank lines and comments stay
  // between this section and the next.
  std::size_t insertAt = *header + 1;
  const std::size_t end = SectionEnd(*header);
  for (std::size_t i = *header + 1; i < end; ++i) {
    const LineKind kind = Classify(lines_[i].text).kind;
    if (kind == LineKind::Entry || kind == LineKind::Other) insertAt = i + 1;
  }
  Insert(insertAt, std::string(key) + "=" + std::string(value));
}

std::string ProfileText::Bytes() const {
  std::string bytes = byteOrderMark_;
  for (const Line& line : lines_) {
    bytes += line.text;
    bytes += line.ending;
  }
  return bytes;
}
