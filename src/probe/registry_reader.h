// TRegistry: a small read-only reader of registry keys, as far as the probes need one.
#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace zaveredo {

class TRegistry {
 public:
  explicit TRegistry(std::uint32_t access = platform::kKeyAllAccess);
  ~TRegistry();  // releases the reader: closes the open key
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  platform::HKey RootKey() const { return root_; }
  // Takes a different root and closes any open key; the same root again does nothing.
  void SetRootKey(platform::HKey root);

  // Opens the key without creating it. A leading backslash starts from the root; otherwise
  // the path is relative to the open key, or to the root when none is open.
  bool OpenKey(const std::string& path);
  void CloseKey();

  platform::HKey CurrentKey() const { return current_; }
  const std::string& CurrentPath() const { return currentPath_; }

  // The value's text, cut at its first NUL; empty when no key is open or the value is missing
  // or empty. Raises ERegistryException for a failed data read or a non-string type.
  std::string ReadString(const std::string& name);

 private:
  platform::HKey root_ = platform::kHkeyCurrentUser;
  std::uint32_t access_;
  platform::HKey current_ = platform::kNullKey;
  std::string currentPath_;
};

}  // namespace zaveredo
