#include "common/text_file.h"

namespace tewo {

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;
constexpr std::size_t kWriteChunk = 256 * 1024;
constexpr int kReadError = -2;

}  // namespace

bool CutAtEndOfFileMark(std::string& bytes, std::size_t from) {
  if (from >= bytes.size()) return false;
  const void* mark = std::memchr(bytes.data() + from, kEndOfFileMark, bytes.size() - from);
  if (mark == nullptr) return false;
  bytes.resize(static_cast<std::size_t>(static_cast<const char*>(mark) - bytes.data()));
  return true;
}

bool TextFileReader::Open(const std::string& path) {
  inMemory_ = false;
  file_.reset(std::fopen(path.c_str(), "rb"));
  pos_ = 0;
  filled_ = 0;
  ended_ = false;
  failed_ = false;
  return file_ != nullptr;
}

void TextFileReader::OpenBytes(std::string bytes) {
  file_.reset();
  inMemory_ = true;
  buffer_ = std::move(bytes);
  ended_ = false;  // Refill marks the end
  failed_ = false;
  CutAtEndOfFileMark(buffer_);
  pos_ = 0;
  filled_ = buffer_.size();
}

bool TextFileReader::Refill() {
  if (inMemory_) {
    ended_ = true;  // everything was in the buffer from the start
    return false;
  }
  if (ended_ || failed_ || !file_) return false;
  buffer_.resize(kReadChunk);
  buffer_.resize(std::fread(buffer_.data(), 1, buffer_.size(), file_.get()));
  // Nothing after a 0x1A counts: the chunk ends there, and so does the file.
  if (CutAtEndOfFileMark(buffer_)) ended_ = true;
  pos_ = 0;
  filled_ = buffer_.size();
  if (filled_ > 0) return true;
  if (ended_) return false;
  if (std::ferror(file_.get())) {
    failed_ = true;
  } else {
    ended_ = true;
  }
  return false;
}

int TextFileReader::RawByte() {
  if (pos_ == filled_ && !Refill()) return failed_ ? kReadError : EOF;
  return static_cast<unsigned char>(buffer_[pos_++]);
}

int TextFileReader::NextByte() {
  int c = RawByte();
  if (c != '\r') return c;
  // CR LF arrives as LF; the LF may lie in the next chunk of the file.
  if (pos_ == filled_ && !Refill()) return '\r';  // an end or an error shows at the next call
  if (buffer_[pos_] == '\n') {
    ++pos_;
    return '\n';
  }
  return '\r';
}

TextFileReader::Result TextFileReader::ReadPiece(std::string& piece, std::size_t maxBytes) {
  piece.clear();
  if ((!file_ && !inMemory_) || failed_) return Result::Error;
  while (piece.size() < maxBytes) {
    int c = NextByte();
    if (c == kReadError) return Result::Error;
    if (c == EOF) break;
    piece += static_cast<char>(c);
    if (c == '\n') break;
  }
  return piece.empty() ? Result::End : Result::Piece;
}

bool TextFileWriter::Create(const std::string& path) {
  return Adopt(FilePtr(std::fopen(path.c_str(), "wb")));
}

bool TextFileWriter::Adopt(FilePtr file) {
  file_ = std::move(file);
  used_ = 0;
  failed_ = false;
  if (!file_) return false;
  // The writer buffers by itself; a second copy through stdio's buffer would only cost time.
  std::setvbuf(file_.get(), nullptr, _IONBF, 0);
  buffer_.resize(kWriteChunk);
  return true;
}

bool TextFileWriter::Append(std::string_view text) {
  bool ok = true;
  while (!text.empty()) {
    // Most texts hold no LF: a quick scan, then one copy.
    if (!ContainsByte(text, '\n')) {
      if (used_ + text.size() > buffer_.size()) {
        if (!Flush()) ok = false;
        if (text.size() > buffer_.size()) {
          // Larger than the whole buffer: straight to the file.
          if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size()) {
            failed_ = true;
            ok = false;
          }
          return ok;
        }
      }
      std::memcpy(buffer_.data() + used_, text.data(), text.size());
      used_ += text.size();
      return ok;
    }
    std::size_t lf = text.find('\n');
    if (lf > 0 && !Append(text.substr(0, lf))) ok = false;
    if (used_ + 2 > buffer_.size() && !Flush()) ok = false;
    buffer_[used_++] = '\r';
    buffer_[used_++] = '\n';
    text.remove_prefix(lf + 1);
  }
  return ok;
}

bool TextFileWriter::Write(std::string_view text) {
  if (!file_) return false;
  return Append(text);
}

bool TextFileWriter::WriteBytes(std::string_view bytes) {
  if (!file_) return false;
  bool ok = Flush();
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
    failed_ = true;
    ok = false;
  }
  return ok;
}

bool TextFileWriter::WriteLineSlow(std::string_view text) {
  if (!file_) return false;
  bool ok = Append(text);
  if (used_ + 2 > buffer_.size() && !Flush()) ok = false;
  buffer_[used_++] = '\r';
  buffer_[used_++] = '\n';
  return ok;
}

bool TextFileWriter::Flush() {
  if (used_ == 0) return true;
  bool ok = std::fwrite(buffer_.data(), 1, used_, file_.get()) == used_;
  used_ = 0;
  if (!ok) failed_ = true;
  return ok;
}

bool TextFileWriter::Close() {
  if (!file_) return false;
  bool ok = Flush();
  if (std::fclose(file_.release()) != 0) ok = false;
  return ok && !failed_;
}

}  // namespace tewo
