#pragma once
// Find Next, Replace and Replace All on the editor's text: pure functions of
// the text, the selection and the request, so that the window only moves
// texts and selections between these and its controls. Positions are byte
// offsets into a text whose lines end in CR LF.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tewo {

// What the find or replace dialog asks for. find holds at least one byte.
struct FindRequest {
  std::string find;
  std::string replace;
  bool matchCase = false;
};

struct Selection {
  int start = 0;
  int end = 0;
  friend bool operator==(const Selection&, const Selection&) = default;
};

// Find Next: the match after the selection (at its start when it is empty,
// else from the byte after its start; forward only, never wrapping). Nothing
// when the search fails.
std::optional<Selection> FindNext(std::string_view text, Selection selection,
                                  const FindRequest& request);

// Replace, first half: when the bytes at selectionStart are an occurrence of
// the search text (the selection's end plays no part), the text with that
// occurrence replaced; otherwise nothing.
std::optional<std::string> ReplaceAtSelection(std::string_view text, int selectionStart,
                                              const FindRequest& request);

// Replace, second half, on the text as the text area now holds it: the next
// occurrence to select, or, when none is left, where the caret goes (the
// replacement's position after a replacement, else nowhere) and a failed
// search.
struct ReplaceFollowUp {
  std::optional<Selection> select;  // the next occurrence, or the caret after a failure
  bool notFound = false;
};
ReplaceFollowUp FollowUpReplace(std::string_view text, int selectionStart, bool replaced,
                                const FindRequest& request);

// Replace All: every occurrence from the start of the text, not overlapping,
// the inserted texts never searched again.
struct ReplaceAllPlan {
  std::vector<std::size_t> matches;  // positions of the occurrences, ascending
  std::size_t newLength = 0;         // length of the text once they are replaced
};
ReplaceAllPlan PlanReplaceAll(std::string_view text, const FindRequest& request);
std::string ApplyReplaceAll(std::string_view text, const ReplaceAllPlan& plan,
                            const FindRequest& request);

}  // namespace tewo
