#include "engine/session/program_folder_upkeep.h"

#include <vector>

#include "config/safe_replace.h"
#include "config/text.h"

namespace tablerun {
namespace {

void fnRemoveAll(TFileSystem& fs, const std::string& folder, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (fs.Exists(folder + name)) fs.Remove(folder + name);
  }
}

std::vector<std::string> fnGamePictures() {
  std::vector<std::string> names;
  for (int n = 0; n <= 100; ++n) names.push_back("IMAGES/GAME" + fnZeroFill(n, 4) + ".BMP");
  return names;
}

std::vector<std::string> fnMarkPictures() {
  std::vector<std::string> names;
  for (const char* kind : {"WB", "WM", "WP"}) {
    for (int n = 0; n <= 25; ++n) names.push_back("IMAGES/" + std::string(kind) + fnZeroFill(n, 3) + ".BMP");
  }
  return names;
}

std::vector<std::string> fnCardPictures() {
  std::vector<std::string> names;
  for (int set = 1; set <= 5; ++set) {
    for (const char suit : {'C', 'D', 'H', 'S'}) names.push_back("IMAGES/CB" + fnZeroFill(set, 3) + suit + ".BMP");
  }
  for (const char* size : {"CM", "CL"}) {
    for (const char suit : {'C', 'D', 'H', 'S'}) names.push_back("IMAGES/" + std::string(size) + "003" + suit + ".BMP");
  }
  return names;
}

}  // namespace

void fnMarkProgramVersion(TFileSystem& fs, const std::string& programFolder, const std::string& version) {
  std::string digits;
  for (const char c : version) {
    if (c >= '0' && c <= '9') digits += c;
  }
  digits = (digits + "0000").substr(0, 4);
  const std::string path = programFolder + "TBLRV" + digits + ".DAT";
  if (fs.Exists(path)) return;
  fnWriteFileSafely(fs, path, "Tablerun version: " + version + "\r\n");
}

void fnDeleteEarlierReleaseFiles(TFileSystem& fs, const std::string& programFolder) {
  if (fs.Exists(programFolder + "IMAGES/GAME0000.BMP")) fnRemoveAll(fs, programFolder, fnGamePictures());
  if (fs.Exists(programFolder + "IMAGES/WB001.BMP")) fnRemoveAll(fs, programFolder, fnMarkPictures());
  if (fs.Exists(programFolder + "IMAGES/CB001C.BMP")) fnRemoveAll(fs, programFolder, fnCardPictures());
  fnRemoveAll(fs, programFolder, {"TABLERUN.DLL"});
}

}  // namespace tablerun
