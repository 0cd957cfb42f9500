#pragma once

#include <string>

namespace tewo {

// "tewoc.ini" in the folder of the running executable. Built at every use.
std::string CommandTemplateFilePath();

}  // namespace tewo
