// A key of a test's own under HKEY_CURRENT_USER\Software, written with the registry's write
// calls and deleted with everything below it when the test ends.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace zaveredo::platform::test {

class TestRegistryKey {
 public:
  explicit TestRegistryKey(const std::string& name)
      : path_("Software\\zaveredo2 tests\\" + name + std::to_string(::GetCurrentProcessId())) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    Create(path_);
  }
  ~TestRegistryKey() { ::RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }
  TestRegistryKey(const TestRegistryKey&) = delete;
  TestRegistryKey& operator=(const TestRegistryKey&) = delete;

  const std::string& Path() const { return path_; }

  // REG_SZ data exactly as given: the caller decides where the NULs are.
  void SetString(const std::string& name, const std::string& data) {
    Set(path_, name, REG_SZ, data);
  }
  void SetStringIn(const std::string& sub, const std::string& name, const std::string& data) {
    Create(path_ + "\\" + sub);
    Set(path_ + "\\" + sub, name, REG_SZ, data);
  }
  void SetDword(const std::string& name, DWORD value) {
    Set(path_, name, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value));
  }
  void SetBinary(const std::string& name, const std::string& data) {
    Set(path_, name, REG_BINARY, data);
  }

 private:
  static void Create(const std::string& path) {
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr);
    ::RegCloseKey(key);
  }
  static void Set(const std::string& path, const std::string& name, DWORD type,
                  const std::string& data) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_SET_VALUE, &key) != 0) return;
    ::RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                     static_cast<DWORD>(data.size()));
    ::RegCloseKey(key);
  }

  std::string path_;
};

}  // namespace zaveredo::platform::test
