#include "platform/posix/registry_store.h"

namespace zaveredo::platform {

namespace {

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool SameRegistryName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}

RegistryValue StringValue(std::string_view text) {
  RegistryValue value{kRegSz, std::string(text)};
  value.data.push_back('\0');
  return value;
}

RegistryValue DwordValue(std::uint32_t number) {
  RegistryValue value{kRegDword, std::string(4, '\0')};
  for (int i = 0; i < 4; ++i) value.data[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
  return value;
}

RegistryStore::Key* RegistryStore::FindKey(std::string_view path) {
  for (Key& key : keys_)
    if (SameRegistryName(key.path, path)) return &key;
  return nullptr;
}

void RegistryStore::AddKey(std::string_view path) {
  if (!FindKey(path)) keys_.push_back(Key{std::string(path), {}});
}

void RegistryStore::SetValue(std::string_view keyPath, std::string_view name, RegistryValue value) {
  AddKey(keyPath);
  Key& key = *FindKey(keyPath);
  for (auto& entry : key.values) {
    if (SameRegistryName(entry.first, name)) {
      entry.second = std::move(value);
      return;
    }
  }
  key.values.emplace_back(std::string(name), std::move(value));
}

bool RegistryStore::HasKey(std::string_view path) const {
  for (const Key& key : keys_) {
    std::string_view stored = key.path;
    if (SameRegistryName(stored, path)) return true;
    if (stored.size() > path.size() && stored[path.size()] == '\\' &&
        SameRegistryName(stored.substr(0, path.size()), path))
      return true;
  }
  return false;
}

const RegistryValue* RegistryStore::FindValue(std::string_view keyPath, std::string_view name) {
  Key* key = FindKey(keyPath);
  if (!key) return nullptr;
  for (const auto& entry : key->values)
    if (SameRegistryName(entry.first, name)) return &entry.second;
  return nullptr;
}

}  // namespace zaveredo::platform
