// The text-mode piece reader: pieces stay within their size, end at a line
// feed or the size, and together are the file as text mode reads it.
#include <string>

#include "common/text_file.h"
#include "fuzz_common.h"

namespace {

// Text mode, written the simple way: the bytes before a 0x1A, CR LF as LF.
std::string TextModeReference(const std::string& bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\x1A'; ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    out += bytes[i];
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t maxBytes = 1 + data[0] % 260;  // 1 to 260, around the reader's 254
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  tewo::TextFileReader reader;
  reader.OpenBytes(bytes);
  std::string all, piece;
  tewo::TextFileReader::Result result;
  while ((result = reader.ReadPiece(piece, maxBytes)) == tewo::TextFileReader::Result::Piece) {
    FUZZ_CHECK(!piece.empty() && piece.size() <= maxBytes);
    const std::size_t lf = piece.find('\n');
    FUZZ_CHECK(lf == std::string::npos || lf == piece.size() - 1);
    all += piece;
  }
  FUZZ_CHECK(result == tewo::TextFileReader::Result::End);
  FUZZ_CHECK(all == TextModeReference(bytes));
  return 0;
}
