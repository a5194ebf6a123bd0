#include "platform/posix/cpuid.h"

#include <cpuid.h>

#include <cstring>

namespace zaveredo::platform {

namespace {

constexpr unsigned kBrandFirstLeaf = 0x80000002u;
constexpr unsigned kBrandLastLeaf = 0x80000004u;
constexpr unsigned kLongModeBit = 1u << 29;  // leaf 0x80000001, EDX

}  // namespace

std::string CpuidVendor() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(0, &a, &b, &c, &d)) return std::string();
  char text[12];
  std::memcpy(text, &b, 4);
  std::memcpy(text + 4, &d, 4);
  std::memcpy(text + 8, &c, 4);
  return std::string(text, sizeof text);
}

std::string CpuidBrand() {
  // An int in clang's header, unsigned in gcc's.
  if (static_cast<unsigned>(__get_cpuid_max(0x80000000u, nullptr)) < kBrandLastLeaf) return {};
  char text[48];
  for (unsigned leaf = kBrandFirstLeaf; leaf <= kBrandLastLeaf; ++leaf) {
    unsigned regs[4] = {};
    __get_cpuid(leaf, &regs[0], &regs[1], &regs[2], &regs[3]);
    std::memcpy(text + 16 * (leaf - kBrandFirstLeaf), regs, 16);
  }
  return std::string(text, strnlen(text, sizeof text));
}

std::string CpuidIdentifier() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  std::uint32_t signature = __get_cpuid(1, &a, &b, &c, &d) ? a : 0;
  bool longMode = __get_cpuid(0x80000001u, &a, &b, &c, &d) && (d & kLongModeBit) != 0;
  return ProcessorIdentifier(CpuidVendor(), signature, longMode);
}

std::string ProcessorIdentifier(std::string_view vendor, std::uint32_t signature, bool longMode) {
  std::uint32_t stepping = signature & 0xF;
  std::uint32_t model = (signature >> 4) & 0xF;
  std::uint32_t family = (signature >> 8) & 0xF;
  std::uint32_t extendedModel = (signature >> 16) & 0xF;
  std::uint32_t extendedFamily = (signature >> 20) & 0xFF;
  // Windows folds the extended fields in only where the base family calls for them.
  std::uint32_t shownFamily = family == 0xF ? family + extendedFamily : family;
  std::uint32_t shownModel = family == 0x6 || family == 0xF ? (extendedModel << 4) + model : model;
  std::string architecture = !longMode ? "x86" : vendor == "GenuineIntel" ? "Intel64" : "AMD64";
  return architecture + " Family " + std::to_string(shownFamily) + " Model " +
         std::to_string(shownModel) + " Stepping " + std::to_string(stepping);
}

}  // namespace zaveredo::platform
