#include "app/autocad_installations.h"

#include <algorithm>
#include <cwchar>
#include <initializer_list>
#include <optional>

namespace tewo {

namespace {

struct Product {
  const wchar_t* key;
  const wchar_t* keyPrefix;  // of the keys of one installation under a release
  const wchar_t* program;
};

constexpr Product kProducts[] = {
    {L"SOFTWARE\\Autodesk\\AutoCAD", L"ACAD-", L"acad.exe"},
    {L"SOFTWARE\\Autodesk\\AutoCAD LT", L"ACADLT-", L"acadlt.exe"},
};

struct Found {
  AutoCadInstallation installation;
  unsigned major = 0;
  unsigned minor = 0;
};

// The number at text[at], and at past it; nothing without a digit there.
std::optional<unsigned> NumberAt(const std::wstring& text, std::size_t& at) {
  const std::size_t start = at;
  unsigned number = 0;
  for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9' && at - start < 6; ++at) {
    number = number * 10 + static_cast<unsigned>(text[at] - L'0');
  }
  if (at == start) return std::nullopt;
  return number;
}

// "R24.1" as 24 and 1; nothing for a key that names no release.
std::optional<Found> ReleaseOf(const std::wstring& key) {
  std::size_t at = 1;
  if (key.empty() || (key[0] != L'R' && key[0] != L'r')) return std::nullopt;
  const std::optional<unsigned> major = NumberAt(key, at);
  if (!major || at >= key.size() || key[at] != L'.') return std::nullopt;
  ++at;
  const std::optional<unsigned> minor = NumberAt(key, at);
  if (!minor || at != key.size()) return std::nullopt;
  Found found;
  found.major = *major;
  found.minor = *minor;
  return found;
}

bool StartsWithIgnoringCase(const std::wstring& text, const wchar_t* prefix) {
  const std::size_t length = std::wcslen(prefix);
  return text.size() >= length &&
         ::CompareStringOrdinal(text.c_str(), static_cast<int>(length), prefix,
                                static_cast<int>(length), TRUE) == CSTR_EQUAL;
}

bool SameName(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The program in the folder of one of the value names, when it is there.
std::optional<std::wstring> ProgramIn(const ProgramCalls& registry, const FileCalls& files,
                                      const std::wstring& key, const wchar_t* program) {
  for (const wchar_t* value : {L"Location", L"AcadLocation"}) {
    std::optional<std::wstring> folder = registry.StringValue(key, value);
    if (!folder || folder->empty()) continue;
    if (folder->back() != L'\\') *folder += L'\\';
    const std::wstring path = *folder + program;
    const DWORD attributes = files.AttributesWide(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      return path;
    }
  }
  return std::nullopt;
}

void AddInstallations(const ProgramCalls& registry, const FileCalls& files, const Product& product,
                      std::vector<Found>& found) {
  const std::wstring base = product.key;
  for (const std::wstring& release : registry.SubkeyNames(base)) {
    const std::optional<Found> version = ReleaseOf(release);
    if (!version) continue;
    const std::wstring releaseKey = base + L"\\" + release;
    for (const std::wstring& install : registry.SubkeyNames(releaseKey)) {
      if (!StartsWithIgnoringCase(install, product.keyPrefix)) continue;
      const std::wstring key = releaseKey + L"\\" + install;
      std::optional<std::wstring> program = ProgramIn(registry, files, key, product.program);
      if (!program) continue;
      const bool listed = std::any_of(found.begin(), found.end(), [&](const Found& f) {
        return SameName(f.installation.program, *program);
      });
      if (listed) continue;
      std::optional<std::wstring> name = registry.StringValue(key, L"ProductName");
      if (!name || name->empty()) {
        name = base.substr(base.rfind(L'\\') + 1) + L" " + release + L" " + install;
      }
      found.push_back({{std::move(*name), std::move(*program)}, version->major, version->minor});
    }
  }
}

}  // namespace

std::vector<AutoCadInstallation> FindAutoCadInstallations(const ProgramCalls& registry,
                                                          const FileCalls& files) {
  std::vector<Found> found;
  for (const Product& product : kProducts) AddInstallations(registry, files, product, found);
  std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    return a.major != b.major ? a.major > b.major : a.minor > b.minor;
  });
  std::vector<AutoCadInstallation> installations;
  installations.reserve(found.size());
  for (Found& f : found) installations.push_back(std::move(f.installation));
  return installations;
}

}  // namespace tewo
