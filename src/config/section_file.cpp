#include "config/section_file.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include "config/safe_replace.h"
#include "config/text.h"

namespace tablerun {
namespace {

constexpr std::size_t kChunkSize = 8192;
constexpr std::string_view kLineEnd = "\r\n";
// Where one section ends: the next line that starts with "[".
constexpr std::string_view kNextHeader = "\n[";

std::string HeaderOf(std::string_view section) { return "[" + std::string(section) + "]"; }

// Where header starts a line inside text; text's first byte starts a line only
// when it is the file's first byte.
std::optional<std::size_t> FindHeaderIn(std::string_view text, std::string_view header, bool atFileStart) {
  if (atFileStart && text.starts_with(header)) return 0;
  const auto at = text.find("\n" + std::string(header));
  if (at == std::string_view::npos) return std::nullopt;
  return at + 1;
}

// Offsets within text that begins with a section's header and runs at least to
// the section's end.
struct TSectionSpan {
  std::size_t bodyStart;
  std::size_t end;
  bool headerEnded;  // the header line has its line break
};

TSectionSpan LocateSection(std::string_view text, std::size_t headerLength) {
  const auto lineBreak = text.find('\n', headerLength);
  // Searching from the header's end also catches a next header on the very
  // line after it.
  const auto next = text.find(kNextHeader, headerLength);
  return {lineBreak == std::string_view::npos ? text.size() : lineBreak + 1,
          next == std::string_view::npos ? text.size() : next + 1, lineBreak != std::string_view::npos};
}

struct TLoadedSection {
  std::int64_t offset;
  std::string text;  // from the header to the section's end
  TSectionSpan span;

  std::string_view Body() const { return std::string_view(text).substr(span.bodyStart, span.end - span.bodyStart); }
  std::int64_t BodyOffset() const { return offset + static_cast<std::int64_t>(span.bodyStart); }
};

std::optional<TLoadedSection> LoadSection(TFile& file, std::string_view section) {
  const auto offset = TSectionFile::FindSection(file, section);
  if (!offset) return std::nullopt;
  const std::size_t headerLength = section.size() + 2;
  std::string text;
  char chunk[kChunkSize];
  for (std::int64_t at = *offset;;) {
    // A line break that ended the previous chunk may pair with a "[" in this one.
    const std::size_t scanFrom = std::max(headerLength, text.empty() ? 0 : text.size() - 1);
    const std::size_t got = file.ReadAt(at, chunk, sizeof chunk);
    text.append(chunk, got);
    at += static_cast<std::int64_t>(got);
    const auto next = text.find(kNextHeader, scanFrom);
    if (next != std::string::npos) {
      text.resize(next + 1);
      break;
    }
    if (got < sizeof chunk) break;
  }
  const TSectionSpan span = LocateSection(text, headerLength);
  return TLoadedSection{*offset, std::move(text), span};
}

struct TLine {
  std::size_t start;
  std::string_view text;    // without its line break
  std::string_view ending;  // "\r\n", "\n", or "" at the end of the file
};

std::vector<TLine> SplitLines(std::string_view text) {
  std::vector<TLine> lines;
  for (std::size_t start = 0; start < text.size();) {
    const auto lineBreak = text.find('\n', start);
    const std::size_t stop = lineBreak == std::string_view::npos ? text.size() : lineBreak + 1;
    const std::string_view whole = text.substr(start, stop - start);
    const std::size_t endingLength = whole.ends_with(kLineEnd) ? 2 : whole.ends_with('\n') ? 1 : 0;
    lines.push_back({start, whole.substr(0, whole.size() - endingLength), whole.substr(whole.size() - endingLength)});
    start = stop;
  }
  return lines;
}

// The value of key within a section's lines: its line index, and the offset
// and length of the bytes after "=".
struct TValuePlace {
  std::size_t line;
  std::size_t start;
  std::size_t length;
};

std::optional<TValuePlace> FindKey(const std::vector<TLine>& lines, std::string_view key) {
  for (const std::string_view joiner : {std::string_view("="), std::string_view(" =")}) {
    const std::string prefix = std::string(key).append(joiner);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].text.starts_with(prefix))
        return TValuePlace{i, lines[i].start + prefix.size(), lines[i].text.size() - prefix.size()};
    }
  }
  return std::nullopt;
}

bool StartsWithKey(std::string_view line, std::string_view key) {
  if (!line.starts_with(key)) return false;
  const std::string_view rest = line.substr(key.size());
  return rest.starts_with('=') || rest.starts_with(" =");
}

// A line break in a name or value would forge a line or a header of its own.
bool fnAreSafeLines(std::string_view section, const std::vector<TKeyValue>& entries) {
  if (!fnIsOneLine(section) || section.find(']') != std::string_view::npos) return false;
  return std::all_of(entries.begin(), entries.end(), [](const TKeyValue& entry) {
    return fnIsOneLine(entry.key) && fnIsOneLine(entry.value) && entry.key.find('=') == std::string::npos;
  });
}

std::vector<std::string> KeyValueLines(const std::vector<TKeyValue>& entries) {
  std::vector<std::string> lines;
  lines.reserve(entries.size());
  for (const TKeyValue& entry : entries) lines.push_back(entry.key + "=" + entry.value);
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append(kLineEnd);
  return text;
}

std::string AppendedSection(std::string_view section, const std::vector<std::string>& lines) {
  return std::string(kLineEnd) + HeaderOf(section) + std::string(kLineEnd) + Joined(lines);
}

}  // namespace

TSectionFile::TSectionFile(TFileSystem& fs, TMessages& messages, std::string path)
    : fs_(fs), messages_(messages), path_(std::move(path)) {}

std::unique_ptr<TFile> TSectionFile::OpenForRead() {
  auto file = fs_.Open(path_, TOpenMode::Read);
  if (!file && fs_.Exists(path_)) throw TFileOpenError(path_);
  return file;
}

std::string TSectionFile::ReadExisting() {
  auto bytes = fnReadWholeFile(fs_, path_);
  if (!bytes) throw TFileOpenError(path_);
  return std::move(*bytes);
}

std::optional<std::int64_t> TSectionFile::FindSection(std::string_view section) {
  const auto file = OpenForRead();
  return file ? FindSection(*file, section) : std::nullopt;
}

std::optional<std::int64_t> TSectionFile::FindSection(TFile& file, std::string_view section) {
  const std::string header = HeaderOf(section);
  // Each chunk repeats the previous one's last header-length bytes, so a
  // header (with the line break before it) split between two chunks lies
  // whole in the second.
  const std::size_t chunkSize = std::max(kChunkSize, 2 * header.size());
  std::string chunk(chunkSize, '\0');
  for (std::int64_t start = 0;;) {
    const std::size_t got = file.ReadAt(start, chunk.data(), chunkSize);
    if (const auto at = FindHeaderIn(std::string_view(chunk).substr(0, got), header, start == 0))
      return start + static_cast<std::int64_t>(*at);
    if (got < chunkSize) return std::nullopt;
    start += static_cast<std::int64_t>(chunkSize - header.size());
  }
}

TFoundValue TSectionFile::ReadValue(std::string_view section, std::string_view key, std::string_view fallback) {
  const auto file = OpenForRead();
  return file ? ReadValue(*file, section, key, fallback) : TFoundValue{false, std::string(fallback)};
}

TFoundValue TSectionFile::ReadValue(TFile& file, std::string_view section, std::string_view key,
                                    std::string_view fallback) {
  if (const auto loaded = LoadSection(file, section)) {
    const std::string_view body = loaded->Body();
    if (const auto place = FindKey(SplitLines(body), key))
      return {true, fnTrimRight(body.substr(place->start, place->length))};
  }
  return {false, std::string(fallback)};
}

bool TSectionFile::ReadValues(std::string_view section, std::vector<TKeyValue>& entries) {
  std::size_t missing = entries.size();
  const auto file = OpenForRead();
  const auto loaded = file ? LoadSection(*file, section) : std::nullopt;
  if (!loaded) return missing == 0;
  std::vector<bool> found(entries.size(), false);
  for (const TLine& line : SplitLines(loaded->Body())) {
    if (missing == 0) break;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (found[i] || !StartsWithKey(line.text, entries[i].key)) continue;
      entries[i].value = line.text.substr(line.text.find('=') + 1);
      found[i] = true;
      --missing;
    }
  }
  return missing == 0;
}

std::vector<std::string> TSectionFile::ListSections() {
  std::vector<std::string> names;
  if (!fs_.Exists(path_)) return names;
  const std::string bytes = ReadExisting();
  for (const TLine& line : SplitLines(bytes)) {
    if (line.text.starts_with('['))
      names.emplace_back(line.text.size() < 2 ? std::string_view() : line.text.substr(1, line.text.size() - 2));
  }
  return names;
}

std::vector<std::string> TSectionFile::ReadSectionLines(std::string_view section) {
  std::vector<std::string> lines;
  const auto file = OpenForRead();
  const auto loaded = file ? LoadSection(*file, section) : std::nullopt;
  if (!loaded) return lines;
  for (const TLine& line : SplitLines(loaded->Body())) {
    if (!line.text.empty()) lines.emplace_back(line.text);
  }
  return lines;
}

bool TSectionFile::WriteValue(std::string_view section, std::string_view key, std::string_view value) {
  if (!fnAreSafeLines(section, {{std::string(key), std::string(value)}})) return false;
  const std::string line = std::string(key) + "=" + std::string(value);
  std::vector<std::string> lines;
  {
    const auto file = OpenForRead();
    if (!file) throw TFileOpenError(path_);
    const auto loaded = LoadSection(*file, section);
    const std::vector<TLine> old = loaded ? SplitLines(loaded->Body()) : std::vector<TLine>{};
    const auto place = FindKey(old, key);
    for (std::size_t i = 0; i < old.size(); ++i) {
      if (place && i == place->line)
        lines.push_back(line);
      else if (!old[i].text.empty())
        lines.emplace_back(old[i].text);
    }
    if (!place) lines.push_back(line);
  }
  return ReplaceBody(section, lines);
}

bool TSectionFile::RewriteSection(std::string_view section, const std::vector<TKeyValue>& entries) {
  if (!fnAreSafeLines(section, entries)) return false;
  return ReplaceBody(section, KeyValueLines(entries));
}

bool TSectionFile::AppendSection(std::string_view section, const std::vector<TKeyValue>& entries) {
  if (!fnAreSafeLines(section, entries)) return false;
  return fnReplaceFile(fs_, messages_, path_, ReadExisting() + AppendedSection(section, KeyValueLines(entries)));
}

bool TSectionFile::CreateIfMissing() { return fs_.Exists(path_) || fnReplaceFile(fs_, messages_, path_, ""); }

bool TSectionFile::ReplaceInEveryLine(int position, std::string_view oldText, std::string_view newText,
                                      const std::function<void(int linesDone)>& progress) {
  const std::string bytes = ReadExisting();
  std::string replaced;
  replaced.reserve(bytes.size());
  int done = 0;
  for (const TLine& line : SplitLines(bytes)) {
    std::string text(line.text);
    if (position >= 1) {
      const auto at = static_cast<std::size_t>(position - 1);
      if (at <= text.size() && text.compare(at, oldText.size(), oldText) == 0)
        text.replace(at, oldText.size(), newText);
    }
    replaced.append(text).append(line.ending);
    if (++done % 10 == 0 && progress) progress(done);
  }
  return fnReplaceFile(fs_, messages_, path_, replaced);
}

bool TSectionFile::ReplaceBody(std::string_view section, const std::vector<std::string>& lines) {
  const std::string bytes = ReadExisting();
  const std::string header = HeaderOf(section);
  const auto at = FindHeaderIn(bytes, header, true);
  if (!at) return fnReplaceFile(fs_, messages_, path_, bytes + AppendedSection(section, lines));

  const TSectionSpan span = LocateSection(std::string_view(bytes).substr(*at), header.size());
  std::string replaced = bytes.substr(0, *at + span.bodyStart);
  if (!span.headerEnded) replaced.append(kLineEnd);
  replaced.append(Joined(lines)).append(kLineEnd);
  replaced.append(bytes, *at + span.end);
  return fnReplaceFile(fs_, messages_, path_, replaced);
}

}  // namespace tablerun
