#include "script/existing_outputs.h"

#include <algorithm>
#include <utility>

#include "framework/ansi_name.h"
#include "framework/folder_lister.h"

namespace tewo {

namespace {

// name folded as the file system folds it, in wide form: each character
// upper-cased by the system's mapping, which the code page's folding follows.
// The file system's table also folds the final sigma onto the capital one,
// where not every system's own mapping does (Wine's does not).
std::wstring FoldedWide(std::wstring name) {
  ::CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
  std::replace(name.begin(), name.end(), L'\x03C2', L'\x03A3');
  return name;
}

// The names in folder, read in one listing: a look-up per entry would cost a
// scan of the folder per missing name on some systems. A name that does not
// convert exactly still names an output when it folds onto one ("ς.dwg" is
// "σ.dwg"): it stands in the list in its folded form, which converts exactly
// whenever an output's name folds alike. Nothing when the folder cannot be
// listed to its end.
std::optional<std::vector<std::string>> NamesIn(const FileCalls& calls, const std::string& folder) {
  FolderListing listing = ListFolder(folder, calls, false);
  if (!listing.readable) return std::nullopt;
  std::vector<std::string> names;
  names.reserve(listing.entries.size());
  for (FolderEntry& entry : listing.entries) {
    if (entry.exact) {
      names.push_back(std::move(entry.name));
    } else if (AnsiName folded = ToAnsiName(FoldedWide(std::move(entry.wide))); folded.exact) {
      names.push_back(std::move(folded.text));
    }
  }
  return names;
}

// The outputs looked at one by one. Nothing when one of them cannot be told
// to exist or not.
std::optional<std::size_t> CountOneByOne(const FileCalls& calls, ConversionMode mode,
                                         const std::vector<std::string_view>& entries,
                                         const std::string& destination) {
  std::size_t count = 0;
  for (const std::string_view entry : entries) {
    const std::wstring output = ToWide(DestinationPath(entry, destination, NewExtension(mode)));
    if (calls.AttributesWide(output.c_str()) != INVALID_FILE_ATTRIBUTES) {
      ++count;
      continue;
    }
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) return std::nullopt;
  }
  return count;
}

}  // namespace

std::optional<std::size_t> CountExistingOutputsIn(const FileCalls& calls, ConversionMode mode,
                                                  const std::vector<std::string_view>& entries,
                                                  const std::string& destination) {
  if (const auto names = NamesIn(calls, destination)) {
    return CountExistingOutputs(mode, entries, *names);
  }
  return CountOneByOne(calls, mode, entries, destination);
}

}  // namespace tewo
