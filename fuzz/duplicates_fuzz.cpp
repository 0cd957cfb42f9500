// The duplicate-name check against the plain comparison of every pair.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "common/case_folding.h"
#include "common/path_split.h"
#include "common/text_util.h"
#include "fuzz_common.h"
#include "script/duplicate_names.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  std::vector<std::string> entries;
  while (input.remaining_bytes() > 0 && entries.size() < 64) {
    entries.push_back(input.ConsumeRandomLengthString(40));
  }
  std::vector<std::size_t> expected;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string name = tewo::FoldCase(tewo::FileNameOf(tewo::TrimBlanks(entries[i])));
    for (std::size_t j = 0; j < entries.size(); ++j) {
      if (i != j && tewo::FoldCase(tewo::FileNameOf(tewo::TrimBlanks(entries[j]))) == name) {
        expected.push_back(i);
        break;
      }
    }
  }
  FUZZ_CHECK(tewo::FindDuplicateNames(entries) == expected);
  return 0;
}
