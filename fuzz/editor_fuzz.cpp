// The script editor's core: the load transform and the writer, folding, the
// forward search, one Replace step and Replace All, on a text, a selection,
// a search text and a replacement from the input.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "common/case_folding.h"
#include "common/mbcs.h"
#include "editor/find_replace.h"
#include "editor/script_text.h"
#include "editor/text_search.h"
#include "fuzz_common.h"

namespace {

using tewo::FindRequest;
using tewo::Selection;

void CheckLoadAndSave(const std::string& bytes) {
  const tewo::LoadedScript loaded = tewo::LoadScriptBytes(bytes);
  if (loaded.refused) {
    FUZZ_CHECK(loaded.text.empty());
    return;
  }
  FUZZ_CHECK(loaded.text.size() <= tewo::kEditorTextBound);
  FUZZ_CHECK(loaded.text.find('\x1A') == std::string::npos);
  for (std::size_t i = 0; i < loaded.text.size(); ++i) {
    if (loaded.text[i] == '\n') FUZZ_CHECK(i > 0 && loaded.text[i - 1] == '\r');
  }
  // A loaded text is saved byte for byte and loads again as itself.
  const std::string saved = tewo::ScriptFileBytes(loaded.text);
  FUZZ_CHECK(saved == loaded.text);
  FUZZ_CHECK(tewo::LoadScriptBytes(saved).text == loaded.text);
}

void CheckFolding(const std::string& text) {
  const std::string folded = tewo::FoldCase(text);
  FUZZ_CHECK(folded.size() == text.size());
  FUZZ_CHECK(tewo::FoldCase(folded) == folded);
  for (std::size_t i = 0; i < text.size(); i += tewo::CharLength(text, i)) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (tewo::CharLength(text, i) == 1) {
      FUZZ_CHECK(folded[i] == (c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : text[i]));
    } else {
      FUZZ_CHECK(tewo::IsLeadByte(static_cast<unsigned char>(folded[i])));
    }
  }
}

void CheckFind(const std::string& text, Selection selection, const FindRequest& request) {
  const auto found = tewo::FindNext(text, selection, request);
  if (!found) return;
  const int n = static_cast<int>(request.find.size());
  FUZZ_CHECK(found->end - found->start == n);
  FUZZ_CHECK(found->start >= 0 && found->end <= static_cast<int>(text.size()));
  const int start = selection.start == selection.end ? selection.start : selection.start + 1;
  FUZZ_CHECK(found->start >= start);
  // Characters are counted in the text as it is searched: folded unless the
  // match-case option is on (folding may turn a second byte into a lead byte's
  // neighbour of another kind, so the two walks can differ).
  const std::string searched = request.matchCase ? text : tewo::FoldCase(text);
  FUZZ_CHECK(StartsCharacter(searched, static_cast<std::size_t>(start),
                             static_cast<std::size_t>(found->start)));
  const std::string at = text.substr(static_cast<std::size_t>(found->start), request.find.size());
  if (request.matchCase) FUZZ_CHECK(at == request.find);
}

void CheckReplace(const std::string& text, int selectionStart, const FindRequest& request) {
  const auto replaced = tewo::ReplaceAtSelection(text, selectionStart, request);
  if (replaced) {
    FUZZ_CHECK(replaced->size() == text.size() - request.find.size() + request.replace.size());
    FUZZ_CHECK(replaced->compare(static_cast<std::size_t>(selectionStart), request.replace.size(),
                                 request.replace) == 0);
  }
  const std::string& now = replaced ? *replaced : text;
  const tewo::ReplaceFollowUp next =
      tewo::FollowUpReplace(now, selectionStart, replaced.has_value(), request);
  if (next.select) {
    FUZZ_CHECK(next.select->start >= 0 && next.select->start <= next.select->end);
    FUZZ_CHECK(next.select->end <= static_cast<int>(now.size()));
  }
  FUZZ_CHECK(next.notFound || next.select);
}

void CheckReplaceAll(const std::string& text, const FindRequest& request) {
  const tewo::ReplaceAllPlan plan = tewo::PlanReplaceAll(text, request);
  const std::string after = tewo::ApplyReplaceAll(text, plan, request);
  FUZZ_CHECK(after.size() == plan.newLength);
  // The count is that of Find Next from an empty selection after each match.
  std::size_t found = 0;
  Selection at{0, 0};
  while (auto match = tewo::FindNext(text, at, request)) {
    ++found;
    at = {match->end, match->end};
  }
  FUZZ_CHECK(plan.matches.size() == found);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  FindRequest request;
  request.matchCase = input.ConsumeBool();
  request.find = input.ConsumeRandomLengthString(127);
  request.replace = input.ConsumeRandomLengthString(127);
  const int a = input.ConsumeIntegralInRange(0, 4100);
  const int b = input.ConsumeIntegralInRange(0, 4100);
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  CheckLoadAndSave(bytes);
  const std::string text = tewo::LoadScriptBytes(bytes).text;
  CheckFolding(text);
  if (request.find.empty()) return 0;  // the dialog never asks for an empty search text
  const int length = static_cast<int>(text.size());
  const Selection selection{std::min(a, b) % (length + 1), std::max(a, b) % (length + 1)};
  if (selection.start <= selection.end) CheckFind(text, selection, request);
  CheckReplace(text, selection.start, request);
  CheckReplaceAll(text, request);
  return 0;
}
