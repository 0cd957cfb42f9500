// The registration dialogs' load and the file that Save writes: a file read
// into a dialog and saved again ends with a line break, and when its lines
// are short enough to be read back whole, it holds only valid field numbers
// and gives back the other mode's lines unchanged.
#include <array>
#include <string>
#include <vector>

#include "fuzz_common.h"
#include "templates/registration_templates.h"

namespace {

// A saved line "0N" + text + LF is read back as one piece up to this text length.
constexpr std::size_t kLongestWholeLine = tewo::kTemplatePieceBytes - 3;

// The file as the writer writes it: every LF as CR LF.
std::string WithCrLfForEveryLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

std::array<std::vector<std::string>, 4> EditLinesOf(const tewo::LoadedTemplates& loaded) {
  std::array<std::vector<std::string>, 4> lines;
  for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = tewo::EditLines(loaded.editTexts[i]);
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string file(reinterpret_cast<const char*>(data), size);
  for (tewo::RegistrationDialog which :
       {tewo::RegistrationDialog::DxfToDwg, tewo::RegistrationDialog::DwgToDxf}) {
    const tewo::RegistrationLayout& layout = tewo::LayoutOf(which);
    const tewo::LoadedTemplates loaded =
        tewo::DistributeTemplateLines(layout, tewo::ParseTemplateFile(file));
    const std::string saved = tewo::FormatTemplateFile(
        layout, EditLinesOf(loaded), loaded.otherModeStores, loaded.precisionText.value_or(""));
    FUZZ_CHECK(saved.empty() || saved.back() == '\n');
    // What Save wrote is a file of valid lines only (the writer makes each LF a CR LF).
    const tewo::LoadedTemplates again =
        tewo::DistributeTemplateLines(layout, tewo::ParseTemplateFile(WithCrLfForEveryLf(saved)));
    // Lines short enough to come back as one piece each come back whole:
    // the other mode's lines unchanged, and no line with an invalid number.
    bool short_ = loaded.precisionText.value_or("").size() <= kLongestWholeLine;
    for (const auto& lines : EditLinesOf(loaded)) {
      for (const std::string& line : lines) short_ = short_ && line.size() <= kLongestWholeLine;
    }
    // A stored line of the other mode is a piece as read; one that filled a
    // whole piece without its line feed gains one and no longer fits.
    for (const std::string& store : loaded.otherModeStores) {
      std::size_t start = 0;
      for (std::size_t lf = store.find('\n'); lf != std::string::npos;
           lf = store.find('\n', start)) {
        short_ = short_ && lf - start < tewo::kTemplatePieceBytes;
        start = lf + 1;
      }
    }
    if (short_) {
      FUZZ_CHECK(again.otherModeStores == loaded.otherModeStores);
      FUZZ_CHECK(again.invalidLines.empty());
    }
  }
  return 0;
}
