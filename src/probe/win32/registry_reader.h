// RegistryReader: reads string values of one registry key, as far as the probes need it.
#pragma once

#include <string>

#include "platform/registry.h"

namespace zaveredo {

class RegistryReader {
 public:
  explicit RegistryReader(platform::HKey root) : root_(root) {}
  ~RegistryReader();  // closes the open key
  RegistryReader(const RegistryReader&) = delete;
  RegistryReader& operator=(const RegistryReader&) = delete;

  // Opens the key below the root for reading, without creating it; the key open before is
  // closed when this one opens.
  bool OpenKey(const std::string& path);
  void CloseKey();

  // The value's text, cut at its first NUL; empty when no key is open or the value is missing
  // or empty. Raises ERegistryException for a failed data read or a non-string type.
  std::string ReadString(const std::string& name);

 private:
  platform::HKey root_;
  platform::HKey current_ = platform::kNullKey;
};

}  // namespace zaveredo
