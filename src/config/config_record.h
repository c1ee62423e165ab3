// The configuration record: three fixed-width text blocks addressed by position
// and length, which every part of the program reads for the current settings.
#pragma once

#include <string>

#include "config/config_fields.h"

namespace tablerun {

class TConfigRecord {
 public:
  TConfigRecord() { Reset(); }

  // Blanks everywhere, and position 1 names the preference store.
  void Reset();
  // Leading blanks dropped, then cut or blank-padded to length.
  void Write(TConfigField field, const std::string& value);
  // Trailing blanks removed; an unset position reads as "".
  std::string Read(TConfigField field) const;

  bool IsYes(TConfigField field) const { return Read({field.position, 1}) == "Y"; }

 private:
  static constexpr int kBlockSize = 250;
  // Block index 0–2 and offset within it; -1 for positions that are not used.
  static int Locate(int position, int& offset);

  std::string blocks_[3];
};

// The games won and lost in this run of the current game and player back to
// "0000": the counters follow one game and one player.
void fnResetSessionCounters(TConfigRecord& config);

// The code of the current game (position 62), or −1 when none is chosen.
int fnCurrentGameCode(const TConfigRecord& config);

}  // namespace tablerun
