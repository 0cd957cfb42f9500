#include "editor/find_replace.h"

#include <algorithm>

#include "common/case_folding.h"
#include "common/mbcs.h"
#include "editor/text_search.h"

namespace tewo {

namespace {

// The text and the search text as they are compared: both folded unless the
// match-case option is on.
class Comparison {
 public:
  Comparison(std::string_view text, const FindRequest& request)
      : matchCase_(request.matchCase),
        text_(text),
        folded_(matchCase_ ? std::string() : FoldCase(text)),
        find_(matchCase_ ? request.find : FoldCase(request.find)) {}

  std::string_view Text() const { return matchCase_ ? text_ : std::string_view(folded_); }
  std::string_view Find() const { return find_; }

  std::optional<std::size_t> Search(std::size_t start) const {
    return FindForward(Text(), start, Find());
  }

 private:
  bool matchCase_;
  std::string_view text_;
  std::string folded_;
  std::string find_;
};

int Length(std::string_view text) { return static_cast<int>(text.size()); }

// Whether the n bytes of text at start (fewer where the text ends) are find,
// both folded as whole-text folding folds them. Only the characters that
// hold those bytes are folded, not the whole text: the walk from the text's
// first byte finds where they start.
bool FoldedEqualAt(std::string_view text, std::size_t start, std::string_view find) {
  std::size_t from = 0;
  while (from < start) {
    const std::size_t next = from + CharLength(text, from);
    if (next > start) break;
    from = next;
  }
  std::size_t to = from;
  const std::size_t end = std::min(start + find.size(), text.size());
  while (to < end) to += CharLength(text, to);
  const std::string folded = FoldCase(text.substr(from, to - from));
  return std::string_view(folded).substr(start - from, find.size()) == FoldCase(find);
}

}  // namespace

std::optional<Selection> FindNext(std::string_view text, Selection selection,
                                  const FindRequest& request) {
  if (request.find.empty() || selection.start < 0 || selection.start > Length(text) - 1) return {};
  const int start = selection.start == selection.end ? selection.start : selection.start + 1;
  const auto match = Comparison(text, request).Search(static_cast<std::size_t>(start));
  if (!match) return {};
  const int at = static_cast<int>(*match);
  return Selection{at, at + Length(request.find)};
}

std::optional<std::string> ReplaceAtSelection(std::string_view text, int selectionStart,
                                              const FindRequest& request) {
  if (request.find.empty() || selectionStart < 0 || selectionStart > Length(text)) return {};
  const auto start = static_cast<std::size_t>(selectionStart);
  const bool equal = request.matchCase ? text.substr(start, request.find.size()) == request.find
                                       : FoldedEqualAt(text, start, request.find);
  if (!equal) return {};
  std::string replaced;
  replaced.reserve(text.size() - request.find.size() + request.replace.size());
  replaced.append(text.substr(0, start));
  replaced.append(request.replace);
  replaced.append(text.substr(start + request.find.size()));
  return replaced;
}

ReplaceFollowUp FollowUpReplace(std::string_view text, int selectionStart, bool replaced,
                                const FindRequest& request) {
  ReplaceFollowUp result;
  // After a replacement the search goes on from the last byte of the
  // replacement text (from the replacement's own position when it is empty).
  const int from = replaced ? selectionStart + Length(request.replace) - 1 : selectionStart;
  if (!request.find.empty() && from <= Length(text) - 1) {
    const auto match = Comparison(text, request).Search(static_cast<std::size_t>(from + 1));
    if (match) {
      const int at = static_cast<int>(*match);
      result.select = Selection{at, at + Length(request.find)};
      return result;
    }
  }
  if (replaced) result.select = Selection{selectionStart, selectionStart};
  result.notFound = true;
  return result;
}

ReplaceAllPlan PlanReplaceAll(std::string_view text, const FindRequest& request) {
  ReplaceAllPlan plan;
  plan.newLength = text.size();
  if (request.find.empty()) return plan;
  const Comparison comparison(text, request);
  std::size_t pos = 0;
  while (auto match = comparison.Search(pos)) {
    plan.matches.push_back(*match);
    pos = *match + request.find.size();
  }
  plan.newLength = text.size() - plan.matches.size() * request.find.size() +
                   plan.matches.size() * request.replace.size();
  return plan;
}

std::string ApplyReplaceAll(std::string_view text, const ReplaceAllPlan& plan,
                            const FindRequest& request) {
  std::string result;
  result.reserve(plan.newLength);
  std::size_t pos = 0;
  for (std::size_t match : plan.matches) {
    result.append(text.substr(pos, match - pos));
    result.append(request.replace);
    pos = match + request.find.size();
  }
  result.append(text.substr(pos));
  return result;
}

}  // namespace tewo
