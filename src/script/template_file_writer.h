#pragma once
// Writing the command template file whole, so that a failure never leaves it
// empty or half written.

#include <string>
#include <string_view>

#include "common/file_replace.h"

namespace tewo {

// Writes text (lines ended by LF, each written as CR LF) to a new file beside
// path and then puts it in path's place. False when the new file cannot be
// created, a write or the close fails, or the replacement fails; path then
// keeps its old content unless the result says where it was kept.
WriteResult WriteTemplateFile(const std::string& path, std::string_view text,
                              const FileCalls* calls = nullptr);

}  // namespace tewo
