// The contents behind the Linux registry: keys by full path ("HKEY_LOCAL_MACHINE\..."), each
// with its values. The program's own store holds processor 0's description; tests install
// stores of their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/registry.h"

namespace zaveredo::platform {

struct RegistryValue {
  std::uint32_t type = kRegNone;
  std::string data;  // the raw bytes; a REG_SZ includes its terminating NUL
};

RegistryValue StringValue(std::string_view text);  // REG_SZ, NUL appended
RegistryValue DwordValue(std::uint32_t value);     // REG_DWORD, little-endian

// Names compare without regard to ASCII case, as the registry's do.
bool SameRegistryName(std::string_view a, std::string_view b);

class RegistryStore {
 public:
  virtual ~RegistryStore() = default;

  void AddKey(std::string_view path);
  // Adds the key when needed; replaces a value of the same name.
  void SetValue(std::string_view keyPath, std::string_view name, RegistryValue value);

  // True for a stored key and for every key above one.
  virtual bool HasKey(std::string_view path) const;
  // The value as a query sees it at this moment; null when the key or value is missing.
  virtual const RegistryValue* FindValue(std::string_view keyPath, std::string_view name);

 private:
  struct Key {
    std::string path;
    std::vector<std::pair<std::string, RegistryValue>> values;
  };
  Key* FindKey(std::string_view path);
  std::vector<Key> keys_;
};

// The store filled from the processor: processor 0's key under HKEY_LOCAL_MACHINE
// (Hardware\Description\System\CentralProcessor\0) with VendorIdentifier,
// ProcessorNameString and Identifier.
RegistryStore& ProcessorRegistryStore();

// Makes the registry read from the store (null: the processor store again). Returns the
// store in use before. Keys open at the time must be closed first.
RegistryStore* InstallRegistryStore(RegistryStore* store);

// Key handles opened and closed so far, for checking that every open key gets closed.
struct RegistryHandleCounts {
  long opened = 0;
  long closed = 0;
};
RegistryHandleCounts GetRegistryHandleCounts();

}  // namespace zaveredo::platform
