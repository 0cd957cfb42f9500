#pragma once
// The help window's text: the help text file as text mode reads it, with
// CR LF line ends, however long it is and however long its lines are.

#include <optional>
#include <string>

namespace tewo {

// The help text file beside the executable at exePath.
std::string HelpFilePath(const std::string& exePath);

// Nothing when the file cannot be opened or a read fails.
std::optional<std::string> LoadHelpText(const std::string& path);

}  // namespace tewo
