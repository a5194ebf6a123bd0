// The driver's own texts: kept in the source as UTF-8, like a program's string resources, and
// converted once at start-up to the ANSI code page, so the console and the results file get
// them byte for byte as the platform's programs hold their texts.
#pragma once

#include <string>

namespace zaveredo {

enum class TextId {
  kBannerTitle,
  kBannerAuthorship,
  kBannerTermsOfUse,
  kVendorLabel,
  kNameLabel,
  kClockRateLabel,
  kCountLabel,
  kSystemLabel,
  kInitialsPrompt,
  kStorageNotice,
  kMailNotice,
  kWarmUpNotice,
  kSecondsSuffix,
  kPhaseSeparator,
  kSortLabel,
  kLocationLabel,
  kDirectoryRemoved,
  kEnterToEnd,
  kCount
};

// Converts every text to the ANSI code page; later calls do nothing.
void LoadDriverTexts();

// The converted text (loaded on first use when start-up has not run, as in unit tests).
const std::string& DriverText(TextId id);

}  // namespace zaveredo
