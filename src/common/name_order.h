#pragma once
// The order in which Explorer shows names, so that drawings added from a
// folder come as the user sees them there: a run of digits counts by its
// value ("2F" before "10F"), letters in either case alike, blanks and signs
// before digits and digits before letters. Half-width katakana follow, then
// the double-byte characters by their codes; full-width digits count as
// digits.

#include <string_view>

namespace tewo {

// Negative when name a comes first, positive when b does, zero when they
// hold the same characters and numbers ("a01" and "A1"). Walks both names
// character by character, so a trail byte is never taken for a digit.
int CompareInNameOrder(std::string_view a, std::string_view b);

}  // namespace tewo
