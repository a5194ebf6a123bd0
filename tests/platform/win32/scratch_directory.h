// A fresh directory under the system's temporary directory, removed with what it holds.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace zaveredo::platform::test {

class ScratchDirectory {
 public:
  ScratchDirectory() {
    char base[MAX_PATH];
    ::GetTempPathA(sizeof base, base);
    path_ = std::string(base) + "zav" + std::to_string(::GetCurrentProcessId()) + "_" +
            std::to_string(counter_++);
    ::CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~ScratchDirectory() { Remove(path_); }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  const std::string& Path() const { return path_; }

 private:
  static void Remove(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE search = ::FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        std::string full = path + "\\" + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          Remove(full);
        } else {
          ::SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
          ::DeleteFileA(full.c_str());
        }
      } while (::FindNextFileA(search, &entry));
      ::FindClose(search);
    }
    ::RemoveDirectoryA(path.c_str());
  }

  static inline int counter_ = 0;
  std::string path_;
};

}  // namespace zaveredo::platform::test
