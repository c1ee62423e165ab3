#include "config/advisory.h"

namespace tablerun {

void fnShowOneTimeAdvisory(TIniFile& store, TMessages& messages, const std::string& key, const std::string& text) {
  constexpr const char* kSection = "Show_Messages";
  if (store.ReadString(kSection, key, "Y") == "N") return;
  if (messages.ShowAdvisory(text)) store.WriteString(kSection, key, "N");
}

}  // namespace tablerun
