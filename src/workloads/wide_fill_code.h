// Where the code of the Comp and Int64 fills and of the power routine they call lies.
//
// On the Zen 3 machine these loops were measured on, a fill ran at about 30 or about 160 ns per
// element depending on the physical pages that held its code and the power routine's code, so
// the result changed with every link, and even between identical copies of one executable.
// Placed together in one block that starts on a page boundary, in a fixed order, the three
// share one page and only their offsets inside it count, which the build fixes.
// docs/performance.md has the measurements.
#pragma once

// The block's sections sort by name: the empty page-aligned start first, then Power, FillComp
// and FillInt64. The start is an empty section of its own because a Windows object pads an
// aligned section to its alignment, which would push the rest onto the next page.
#if defined(_WIN32)
#define ZAV_WIDE_FILL_SECTION(order) ".text$zaveredo_wide_" order
#define ZAV_WIDE_FILL_PAGE_START \
  ".section " ZAV_WIDE_FILL_SECTION("0") ",\"x\"\n\t.p2align 12\n\t.text"
#else
#define ZAV_WIDE_FILL_SECTION(order) ".text.sorted.zaveredo_wide_" order
#define ZAV_WIDE_FILL_PAGE_START \
  ".pushsection " ZAV_WIDE_FILL_SECTION("0") ",\"ax\",@progbits\n\t.p2align 12\n\t.popsection"
#endif

#define ZAV_WIDE_FILL_CODE(order) gnu::section(ZAV_WIDE_FILL_SECTION(order))
