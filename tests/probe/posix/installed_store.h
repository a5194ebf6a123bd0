// A registry store installed for one test and replaced by the previous one afterwards.
#pragma once

#include <string>
#include <string_view>

#include "platform/posix/registry_store.h"

namespace zaveredo::probe_test {

inline constexpr const char* kProcessorKeyPath =
    "HKEY_LOCAL_MACHINE\\Hardware\\Description\\System\\CentralProcessor\\0";

class InstalledStore {
 public:
  explicit InstalledStore(platform::RegistryStore* store)
      : previous_(platform::InstallRegistryStore(store)) {}
  ~InstalledStore() { platform::InstallRegistryStore(previous_); }
  InstalledStore(const InstalledStore&) = delete;
  InstalledStore& operator=(const InstalledStore&) = delete;

 private:
  platform::RegistryStore* previous_;
};

// A store whose one value gets one byte longer with every query of it, as if someone wrote
// to it between the size query and the data query.
class GrowingStore : public platform::RegistryStore {
 public:
  explicit GrowingStore(std::string name) : name_(std::move(name)) {}

  const platform::RegistryValue* FindValue(std::string_view keyPath,
                                           std::string_view name) override {
    const platform::RegistryValue* value = RegistryStore::FindValue(keyPath, name);
    if (!value || !platform::SameRegistryName(name, name_)) return value;
    grown_ = *value;
    grown_.data.insert(0, ++queries_, ' ');
    return &grown_;
  }

  int Queries() const { return queries_; }

 private:
  std::string name_;
  platform::RegistryValue grown_;
  int queries_ = 0;
};

// Keys opened minus keys closed since the mark.
class OpenKeyBalance {
 public:
  OpenKeyBalance() : start_(platform::GetRegistryHandleCounts()) {}
  long Opened() const { return platform::GetRegistryHandleCounts().opened - start_.opened; }
  long StillOpen() const {
    platform::RegistryHandleCounts now = platform::GetRegistryHandleCounts();
    return (now.opened - start_.opened) - (now.closed - start_.closed);
  }

 private:
  platform::RegistryHandleCounts start_;
};

}  // namespace zaveredo::probe_test
