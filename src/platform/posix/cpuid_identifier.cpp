#include <string>

#include "platform/posix/cpuid.h"

namespace zaveredo::platform {

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
