#pragma once
// Files and folders for the tests that run under Wine, through the ANSI
// functions the tool itself uses, so that Shift-JIS names work the same; and
// through the wide ones for names the code page cannot hold.

#include <string>
#include <vector>

// A new folder in the temporary folder, removed with everything in it when
// the object goes.
class TempFolder {
 public:
  explicit TempFolder(const std::string& label = "");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // path + "\" + name
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

std::string ReadFileBytes(const std::string& path);
// False when the file cannot be written.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// Names the ANSI code page cannot hold ("ß", Korean, emoji) exist only
// through the wide functions: the ANSI ones would name another file.
std::wstring WidePath(const std::string& ansiPath);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);
void RemoveTree(const std::string& path);
// Writes bytes to each "|"-separated name below folder, making the folders on
// the way; a name ending in "\" is a folder alone. The files' paths, in order.
std::vector<std::string> WriteTree(const std::string& folder, const std::string& bytes,
                                   const std::string& names);

// True when a writer left a new file ("~" and hex digits) in folder.
bool NewFileLeftIn(const std::string& folder);

// Holds a file open without sharing, as another program may, until it goes:
// nobody can replace or remove the file meanwhile.
class HeldOpen {
 public:
  explicit HeldOpen(const std::string& path);
  ~HeldOpen();
  HeldOpen(const HeldOpen&) = delete;
  HeldOpen& operator=(const HeldOpen&) = delete;
  bool held() const;

 private:
  void* handle_;
};
