#include "config/config_record.h"

#include "config/text.h"

namespace tablerun {

void TConfigRecord::Reset() {
  for (auto& block : blocks_) block.assign(kBlockSize, ' ');
  Write(cfg::kStoreName, "Cfg.dat");
}

int TConfigRecord::Locate(int position, int& offset) {
  if (position >= 1 && position <= 249) {
    offset = position - 1;
    return 0;
  }
  if (position >= 251 && position <= 499) {
    offset = position - 251;
    return 1;
  }
  if (position >= 501 && position <= 999) {
    offset = position - 501;
    return 2;
  }
  return -1;
}

void TConfigRecord::Write(TConfigField field, const std::string& value) {
  const auto [position, length] = field;
  int offset = 0;
  const int index = Locate(position, offset);
  if (index < 0 || length <= 0) return;
  std::string& block = blocks_[index];
  const auto first = value.find_first_not_of(' ');
  std::string text = first == std::string::npos ? std::string() : value.substr(first);
  text.resize(static_cast<std::size_t>(length), ' ');
  const auto end = static_cast<std::size_t>(offset + length);
  if (block.size() < end) block.resize(end, ' ');  // block 3 grows with long fields such as 701
  block.replace(static_cast<std::size_t>(offset), text.size(), text);
}

std::string TConfigRecord::Read(TConfigField field) const {
  const auto [position, length] = field;
  int offset = 0;
  const int index = Locate(position, offset);
  if (index < 0 || length <= 0) return {};
  const std::string& block = blocks_[index];
  if (static_cast<std::size_t>(offset) >= block.size()) return {};
  std::string text = block.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
  const auto last = text.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

void fnResetSessionCounters(TConfigRecord& config) {
  config.Write(cfg::kSessionWon, "0000");
  config.Write(cfg::kSessionLost, "0000");
}

int fnCurrentGameCode(const TConfigRecord& config) {
  return static_cast<int>(fnParseInteger(config.Read(cfg::kGame)).value_or(-1));
}

}  // namespace tablerun
