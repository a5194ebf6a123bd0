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

bool CpuidBrand(std::string* brand) {
  // An int in clang's header, unsigned in gcc's.
  if (static_cast<unsigned>(__get_cpuid_max(0x80000000u, nullptr)) < kBrandLastLeaf) return false;
  char text[48];
  for (unsigned leaf = kBrandFirstLeaf; leaf <= kBrandLastLeaf; ++leaf) {
    unsigned regs[4] = {};
    __get_cpuid(leaf, &regs[0], &regs[1], &regs[2], &regs[3]);
    std::memcpy(text + 16 * (leaf - kBrandFirstLeaf), regs, 16);
  }
  *brand = std::string(text, strnlen(text, sizeof text));
  return true;
}

std::uint32_t CpuidSignature() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(1, &a, &b, &c, &d)) return 0;
  return a;
}

bool CpuidLongMode() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(0x80000001u, &a, &b, &c, &d)) return false;
  return (d & kLongModeBit) != 0;
}

}  // namespace zaveredo::platform
