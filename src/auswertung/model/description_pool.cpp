#include "auswertung/model/description_pool.h"

#include <functional>
#include <string>

namespace zaveredo::auswertung {

std::size_t DescriptionPool::Hash::operator()(const MachineDescription& d) const {
  std::size_t hash = 0;
  const auto mix = [&hash](std::size_t value) {
    hash ^= value + std::size_t{0x9e3779b9} + (hash << 6) + (hash >> 2);
  };
  const std::hash<std::string> text;
  const std::hash<long long> number;
  mix(text(d.vendor));
  mix(text(d.processor));
  mix(number(d.mhz.value_or(-1)));
  mix(number(d.processors.value_or(-1)));
  mix(text(d.os));
  mix(text(d.initials));
  return hash;
}

std::shared_ptr<const MachineDescription> DescriptionPool::Shared(
    const MachineDescription& description) {
  auto [it, added] = kept_.try_emplace(description);
  if (added) it->second = std::make_shared<const MachineDescription>(description);
  return it->second;
}

}  // namespace zaveredo::auswertung
