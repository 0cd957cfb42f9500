#include "editor/find_replace.h"

#include <gtest/gtest.h>

#include "common/case_folding.h"
#include "common/mbcs.h"
#include "editor/text_search.h"
#include "test_files.h"

namespace tewo {
namespace {

using test::Visible;

// Shift-JIS bytes of a few characters.
const std::string kKatakanaA = "\x83\x41";   // ア: its trail byte is "A"
const std::string kHyou = "\x95\x5C";        // 表: its trail byte is "\"
const std::string kFullSmallA = "\x82\x81";  // ａ
const std::string kFullBigA = "\x82\x60";    // Ａ

TEST(CaseFolding, LettersAndDoubleByteCharacters) {
  struct Case {
    std::string text;
    std::string folded;
  };
  const Case cases[] = {
      {"", ""},
      {"abcxyz@[`{ ABC019", "ABCXYZ@[`{ ABC019"},
      {"the quick brown fox jumps", "THE QUICK BROWN FOX JUMPS"},  // the word-at-a-time path
      {kFullSmallA + "a", kFullBigA + "A"},
      {"\x82\x9A", "\x82\x79"},                                  // ｚ to Ｚ
      {"\x83\xBF\x83\xD6", "\x83\x9F\x83\xB6"},                  // α ω to Α Ω
      {"\x84\x70\x84\x80\x84\x91", "\x84\x40\x84\x4F\x84\x60"},  // а о я to А О Я
      {"\xFA\x40\xEE\xEF", "\x87\x54\x87\x54"},                  // small roman one to Ⅰ
      {"\xED\x40\xFA\x54", "\xFA\x5C\x81\xCA"},  // a duplicate takes the code the system prefers
      {kKatakanaA + "a", kKatakanaA + "A"},      // the trail "A" stays, a pair whole
      {"\x82\x61"
       "a",
       "\x82\x61"
       "A"},  // Ｂ: its trail "a" is not folded
      {"\xA7\xB1"
       "a",
       "\xA7\xB1"
       "A"},                                   // half-width katakana are single bytes
      {"x\x82", "X\x82"},                      // a lead byte at the end stands alone
      {"aaaaaaa\x82\x81", "AAAAAAA\x82\x60"},  // a pair straddling an eight-byte word
  };
  for (const Case& c : cases) EXPECT_EQ(Visible(FoldCase(c.text)), Visible(c.folded));
}

TEST(TextSearch, MatchesStartOnlyAtCharacters) {
  struct Case {
    std::string text;
    std::size_t start;
    std::string needle;
    std::optional<std::size_t> found;
  };
  const Case cases[] = {
      {"abcabc", 0, "abc", 0},
      {"abcabc", 1, "abc", 3},
      {"abcabc", 4, "abc", std::nullopt},
      {"abc", 3, "c", std::nullopt},
      {"abc", 7, "c", std::nullopt},  // a start beyond the text
      {"abc", 0, "", std::nullopt},
      {"ab", 0, "abc", std::nullopt},
      {kKatakanaA, 0, "A", std::nullopt},  // never inside a character
      {kKatakanaA, 1, "A", 1},             // counted from the start: a character of its own
      {kKatakanaA + "A", 0, "A", 2},
      {kHyou + "\\", 0, "\\", 2},
      // A run of lead bytes pairs off from the start.
      {"\x81\x81\x81"
       "A",
       0, "A", std::nullopt},
      {"\x81\x81\x81"
       "A",
       1, "A", 3},
      {"\x81\x81\x81"
       "A",
       0,
       "\x81"
       "A",
       2},
      {"\x81\x81\x81\x81"
       "A",
       1,
       "\x81"
       "A",
       3},
      {"\x81\x81\x81\x81"
       "A",
       0,
       "\x81"
       "A",
       std::nullopt},
      {"x\x81\x81\x81\x81"
       "A"
       "\x81\x81"
       "A",
       0, "A", 5},
      {"\x83", 0, "\x83", 0},  // a lone lead byte at the end
      {kKatakanaA + kKatakanaA, 0, kKatakanaA, 0},
      {"a" + kKatakanaA + kKatakanaA, 2, kKatakanaA, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindForward(c.text, c.start, c.needle), c.found)
        << Visible(c.text) << " from " << c.start << " for " << Visible(c.needle);
  }
}

FindRequest Request(const std::string& find, const std::string& replace = "",
                    bool matchCase = false) {
  return {find, replace, matchCase};
}

TEST(FindNext, FromTheSelectionForwardOnly) {
  struct Case {
    std::string text;
    Selection selection;
    FindRequest request;
    std::optional<Selection> found;
  };
  const Case cases[] = {
      {"aaaa", {0, 2}, Request("aa"), Selection{1, 3}},    // may overlap the selection
      {"xxabc", {2, 2}, Request("abc"), Selection{2, 5}},  // an empty selection before it
      {"abc", {3, 3}, Request("c"), std::nullopt},         // the caret at the end
      {"", {0, 0}, Request("a"), std::nullopt},
      {"abcabc", {3, 6}, Request("abc"), std::nullopt},  // after the last: no wrap
      {"xABC Abc", {0, 0}, Request("abc"), Selection{1, 4}},
      {"xABC Abc", {1, 4}, Request("abc"), Selection{5, 8}},
      {"xABC abc", {0, 0}, Request("abc", "", true), Selection{5, 8}},
      {"x" + kFullBigA, {0, 0}, Request(kFullSmallA), Selection{1, 3}},
      {"x" + kFullBigA, {0, 0}, Request(kFullSmallA, "", true), std::nullopt},
      // A katakana letter finds itself and nothing else when folded.
      {"\x83\x61" + kKatakanaA, {0, 0}, Request(kKatakanaA), Selection{2, 4}},
      {kKatakanaA, {0, 0}, Request("A"), std::nullopt},
      {kKatakanaA, {0, 1}, Request("A"), Selection{1, 2}},  // start + 1 is the trail byte
      {kKatakanaA, {0, 1}, Request("a"), Selection{1, 2}},
      {kHyou, {0, 0}, Request("\\"), std::nullopt},
      {"\x82\x61", {0, 1}, Request("a"), std::nullopt},  // Ｂ's trail "a" is never folded
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindNext(c.text, c.selection, c.request), c.found)
        << Visible(c.text) << " " << c.selection.start << "," << c.selection.end << " "
        << Visible(c.request.find);
  }
}

// One press of Replace: the new text (if any) and what is selected after.
struct ReplacePress {
  std::string text;
  std::optional<Selection> select;
  bool notFound;
};
ReplacePress PressReplace(const std::string& text, int selectionStart, const FindRequest& r) {
  const auto replaced = ReplaceAtSelection(text, selectionStart, r);
  const std::string now = replaced.value_or(text);
  const ReplaceFollowUp next = FollowUpReplace(now, selectionStart, replaced.has_value(), r);
  return {now, next.select, next.notFound};
}

TEST(Replace, OnePress) {
  struct Case {
    std::string text;
    int selectionStart;
    FindRequest request;
    std::string after;
    std::optional<Selection> select;
    bool notFound;
  };
  const Case cases[] = {
      // Not an occurrence: nothing replaced, the next one selected.
      {"xa a", 0, Request("a", "bb"), "xa a", Selection{1, 2}, false},
      {"xa a", 1, Request("a", "bb"), "xbb a", Selection{4, 5}, false},
      {"xbb a", 4, Request("a", "bb"), "xbb bb", Selection{4, 4}, true},  // the last one
      {"a", 0, Request("A", ""), "", Selection{0, 0}, true},  // an empty replacement deletes
      {"aXa", 0, Request("a", ""), "Xa", Selection{1, 2}, false},
      {"abc", 1, Request("B", "", true), "abc", std::nullopt, true},  // match case on
      {"abc", 3, Request("c", "z"), "abc", std::nullopt, true},
      {"ab", 1, Request("bc", "z"), "ab", std::nullopt, true},  // fewer bytes left than asked
      {"aaa", 0, Request("a", "aa"), "aaaa", Selection{2, 3}, false},  // the new text is skipped
      {kFullBigA + "b", 0, Request(kFullSmallA, "c"), "cb", Selection{0, 0}, true},
  };
  for (const Case& c : cases) {
    const ReplacePress press = PressReplace(c.text, c.selectionStart, c.request);
    EXPECT_EQ(Visible(press.text), Visible(c.after)) << Visible(c.text);
    EXPECT_EQ(press.select, c.select) << Visible(c.text);
    EXPECT_EQ(press.notFound, c.notFound) << Visible(c.text);
  }
}

TEST(Replace, PressingAgainReplacesEachOccurrenceInTurn) {
  std::string text = "a-a-a";
  const FindRequest request = Request("A", "bc");
  int start = 1;  // not at an occurrence: the first press only selects the next
  std::vector<std::string> texts;
  for (int press = 0; press < 4; ++press) {
    const ReplacePress result = PressReplace(text, start, request);
    text = result.text;
    texts.push_back(text);
    if (!result.select) break;
    start = result.select->start;
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"a-a-a", "a-bc-a", "a-bc-bc", "a-bc-bc"}));
}

TEST(ReplaceAll, CountsAndReplacesFromTheStart) {
  struct Case {
    std::string text;
    FindRequest request;
    std::string after;
    std::size_t count;
  };
  const Case cases[] = {
      {"aaa", Request("a", "aa"), "aaaaaa", 3},
      {"abc", Request("x", "y"), "abc", 0},
      {"aaaa", Request("aa", "b"), "bb", 2},  // matches do not overlap
      {"aAa", Request("A", "", true), "aa", 1},
      {"aAa", Request("a", ""), "", 3},
      {kKatakanaA + "A" + kKatakanaA, Request("a", "z"), kKatakanaA + "z" + kKatakanaA, 1},
      {kHyou + "\\" + kHyou, Request("\\", "/"), kHyou + "/" + kHyou, 1},
      {kFullSmallA + kFullBigA, Request(kFullBigA, "A"), "AA", 2},
      {kFullSmallA + kFullBigA, Request(kFullBigA, "A", true), kFullSmallA + "A", 1},
      // A search text ending in a lead byte: the search goes on from its
      // trail byte, counted as a character of its own.
      {"\x83\x41\x41", Request("\x83", "-"), "-\x41\x41", 1},
  };
  for (const Case& c : cases) {
    const ReplaceAllPlan plan = PlanReplaceAll(c.text, c.request);
    const std::string after = ApplyReplaceAll(c.text, plan, c.request);
    EXPECT_EQ(Visible(after), Visible(c.after)) << Visible(c.text);
    EXPECT_EQ(plan.matches.size(), c.count) << Visible(c.text);
    EXPECT_EQ(plan.newLength, after.size());
  }
}

TEST(ReplaceAll, CountEqualsRepeatedFindNext) {
  // Pseudo-random texts of a few bytes that make pairs, folding and overlaps.
  const char alphabet[] = {'a', 'A', '\x82', '\x81', '\x60', '\x83', '\x41', '\r', '\n'};
  unsigned seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
  for (int round = 0; round < 2000; ++round) {
    std::string text, find;
    for (unsigned i = next() % 24; i > 0; --i) text += alphabet[(next() >> 8) % sizeof alphabet];
    for (unsigned i = 1 + next() % 3; i > 0; --i) find += alphabet[(next() >> 8) % sizeof alphabet];
    const FindRequest request = Request(find, "#", (next() & 1) != 0);
    std::size_t found = 0;
    Selection at{0, 0};
    // Find Next from an empty selection after each match's end.
    while (auto match = FindNext(text, at, request)) {
      ASSERT_LE(static_cast<std::size_t>(match->end), text.size());
      ++found;
      at = {match->end, match->end};
    }
    EXPECT_EQ(PlanReplaceAll(text, request).matches.size(), found)
        << Visible(text) << " " << Visible(find);
  }
}

TEST(CharacterPositions, BytesAndCharactersConvert) {
  const std::string text = kFullBigA + kKatakanaA + " A";  // 6 bytes, 4 characters
  const std::size_t bytesToChars[][2] = {{0, 0}, {1, 1}, {2, 1}, {3, 2},
                                         {4, 2}, {5, 3}, {6, 4}, {8, 6}};
  for (const auto& [bytes, chars] : bytesToChars) EXPECT_EQ(CharCountBefore(text, bytes), chars);
  const std::size_t charsToBytes[][2] = {{0, 0}, {1, 2}, {2, 4}, {3, 5}, {4, 6}, {6, 8}};
  for (const auto& [chars, bytes] : charsToBytes) EXPECT_EQ(ByteOffsetOfChar(text, chars), bytes);
  EXPECT_EQ(CharCountBefore("\x83", 1), 1u);  // a lone lead byte at the end
}

}  // namespace
}  // namespace tewo
