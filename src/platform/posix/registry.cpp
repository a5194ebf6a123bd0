// A read-only registry of the program's own, answering like the Win32 calls.
#include "platform/registry.h"

#include <cstring>
#include <map>
#include <string>

#include "platform/files.h"
#include "platform/posix/last_error.h"
#include "platform/posix/registry_store.h"

namespace zaveredo::platform {

namespace {

// KEY_SET_VALUE, KEY_CREATE_SUB_KEY, KEY_CREATE_LINK, DELETE, WRITE_DAC, WRITE_OWNER: nothing
// here can be written, so access that asks for writing is refused, as Windows refuses it to
// an ordinary user under HKEY_LOCAL_MACHINE.
constexpr std::uint32_t kWriteRights = 0x0002u | 0x0004u | 0x0020u | 0x10000u | 0x40000u | 0x80000u;

struct Registry {
  RegistryStore* store = nullptr;
  std::map<HKey, std::string> openKeys;
  HKey nextHandle = 0x100;
  RegistryHandleCounts counts;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

RegistryStore& Store() {
  Registry& registry = TheRegistry();
  return registry.store ? *registry.store : ProcessorRegistryStore();
}

const char* RootName(HKey key) {
  switch (key) {
    case 0x80000000u:
      return "HKEY_CLASSES_ROOT";
    case kHkeyCurrentUser:
      return "HKEY_CURRENT_USER";
    case kHkeyLocalMachine:
      return "HKEY_LOCAL_MACHINE";
    case 0x80000003u:
      return "HKEY_USERS";
    case 0x80000005u:
      return "HKEY_CURRENT_CONFIG";
    default:
      return nullptr;
  }
}

// The full path of a root or open key; false for any other handle.
bool PathOfKey(HKey key, std::string* path) {
  if (const char* root = RootName(key)) {
    *path = root;
    return true;
  }
  auto& open = TheRegistry().openKeys;
  auto found = open.find(key);
  if (found == open.end()) return false;
  *path = found->second;
  return true;
}

}  // namespace

RegistryStore* InstallRegistryStore(RegistryStore* store) {
  RegistryStore* previous = &Store();
  TheRegistry().store = store;
  return previous;
}

RegistryHandleCounts GetRegistryHandleCounts() {
  return TheRegistry().counts;
}

long RegOpenKeyEx(HKey key, const char* subKey, std::uint32_t access, HKey* result) {
  if (!result) return posix::kErrorInvalidParameter;
  *result = kNullKey;
  std::string path;
  if (!PathOfKey(key, &path)) return kErrorInvalidHandle;
  if (access & kWriteRights) return kErrorAccessDenied;
  bool sameKey = !subKey || *subKey == '\0';
  if (sameKey && RootName(key)) {
    *result = key;  // a root opened again is the root itself
    return kErrorSuccess;
  }
  if (!sameKey) path = path + '\\' + subKey;
  if (!Store().HasKey(path)) return kErrorFileNotFound;
  Registry& registry = TheRegistry();
  HKey handle = registry.nextHandle;
  registry.nextHandle += 4;
  registry.openKeys.emplace(handle, path);
  ++registry.counts.opened;
  *result = handle;
  return kErrorSuccess;
}

long RegQueryValueEx(HKey key, const char* valueName, std::uint32_t* type, std::uint8_t* data,
                     std::uint32_t* size) {
  std::string path;
  if (!PathOfKey(key, &path)) return kErrorInvalidHandle;
  if (data && !size) return posix::kErrorInvalidParameter;
  const RegistryValue* value = Store().FindValue(path, valueName ? valueName : "");
  if (!value) return kErrorFileNotFound;
  if (type) *type = value->type;
  auto needed = static_cast<std::uint32_t>(value->data.size());
  if (!data) {
    if (size) *size = needed;
    return kErrorSuccess;
  }
  if (*size < needed) {
    *size = needed;
    return kErrorMoreData;
  }
  std::memcpy(data, value->data.data(), needed);
  *size = needed;
  return kErrorSuccess;
}

long RegCloseKey(HKey key) {
  if (RootName(key)) return kErrorSuccess;
  Registry& registry = TheRegistry();
  if (registry.openKeys.erase(key) == 0) return kErrorInvalidHandle;
  ++registry.counts.closed;
  return kErrorSuccess;
}

}  // namespace zaveredo::platform
