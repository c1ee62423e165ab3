#include "engine/history/event_log.h"

namespace tablerun {
namespace {

std::string KindText(TEventKind kind) {
  const int value = static_cast<int>(kind);
  return {'0', '0', static_cast<char>('0' + value)};
}

}  // namespace

bool TEventLog::SetText(std::string_view text) {
  std::size_t inEntry = 0;
  for (const char c : text) {
    if (c == ',') {
      if (inEntry % 3 != 0) return false;
      inEntry = 0;
    } else if (c >= '0' && c <= '9') {
      ++inEntry;
    } else {
      return false;
    }
  }
  if (inEntry != 0) return false;
  Clear();
  text_ = text;
  std::size_t start = 0;
  for (std::size_t at = 0; at < text_.size(); ++at) {
    if (text_[at] != ',') continue;
    CountEntry(std::string_view(text_).substr(start, at - start), 1);
    start = at + 1;
  }
  return true;
}

void TEventLog::Clear() {
  text_.clear();
  counts_.fill(0);
}

void TEventLog::CountEntry(std::string_view entry, int sign) {
  for (const TEventKind kind : {TEventKind::TableauMove, TEventKind::StockTurn, TEventKind::Redeal, TEventKind::Draw}) {
    if (Holds(entry, kind)) counts_[static_cast<std::size_t>(kind)] += sign;
  }
}

std::size_t TEventLog::LastStart() const {
  if (text_.size() < 2) return 0;
  const auto comma = text_.rfind(',', text_.size() - 2);
  return comma == std::string::npos ? 0 : comma + 1;
}

std::string_view TEventLog::Last() const {
  if (text_.empty()) return {};
  const std::size_t start = LastStart();
  return std::string_view(text_).substr(start, text_.size() - 1 - start);
}

void TEventLog::RemoveLast() {
  CountEntry(Last(), -1);
  text_.resize(LastStart());
}

void TEventLog::ReplaceLast(TEventKind kind) { ReplaceLast(KindText(kind)); }

void TEventLog::ReplaceLast(std::string_view entry) {
  RemoveLast();
  text_ += entry;
  text_ += ',';
  CountEntry(entry, 1);
}

void TEventLog::MergeLastTwo() {
  const std::string last(Last());
  RemoveLast();
  if (text_.empty()) {
    ReplaceLast(last);
    return;
  }
  const std::string merged = std::string(Last()) + last;
  ReplaceLast(merged);
}

bool TEventLog::Holds(std::string_view entry, TEventKind kind) {
  const std::string wanted = KindText(kind);
  for (std::size_t at = 0; at + 3 <= entry.size(); at += 3) {
    if (entry.substr(at, 3) == wanted) return true;
  }
  return false;
}

}  // namespace tablerun
