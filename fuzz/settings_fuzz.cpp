// The settings file reader: whatever the bytes, the lines it returns stay
// within their sizes and hold no line feed.
#include <string>

#include "app/settings_file.h"
#include "fuzz_common.h"

namespace {

void CheckLine(const std::optional<std::string>& line, std::size_t maxBytes) {
  if (!line) return;
  FUZZ_CHECK(line->size() <= maxBytes);
  FUZZ_CHECK(line->find('\n') == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const tewo::StoredSettings stored = tewo::ParseSettingsFile(bytes);
  CheckLine(stored.restoreSwitch, tewo::kSettingsShortLineBytes);
  const bool folders = stored.restoreSwitch && tewo::RestoresFolders(*stored.restoreSwitch);
  FUZZ_CHECK(folders || (!stored.destination && !stored.sourceFolder && !stored.scriptFolder));
  CheckLine(stored.destination, tewo::kSettingsFolderLineBytes);
  CheckLine(stored.sourceFolder, tewo::kSettingsFolderLineBytes);
  CheckLine(stored.scriptFolder, tewo::kSettingsFolderLineBytes);
  return 0;
}
