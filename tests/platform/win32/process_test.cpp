// Modules found by address, as the error report needs them.
#include "platform/process.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {
namespace {

std::string Lower(const ModuleName& name) {
  std::string text(name.View());
  for (char& c : text) c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
  return text;
}

void CodeHere() {}

TEST(Win32Modules, CodeOfTheProgramIsInItsOwnModule) {
  ModuleName name;
  std::uintptr_t base = 0;
  auto code = reinterpret_cast<const void*>(&CodeHere);
  ASSERT_TRUE(FindModule(code, &name, &base));
  EXPECT_EQ(name.View(), OwnModuleName().View());
  EXPECT_EQ(Lower(name), "platform_tests.exe");
  EXPECT_EQ(base, reinterpret_cast<std::uintptr_t>(::GetModuleHandleA(nullptr)));
  EXPECT_LT(base, reinterpret_cast<std::uintptr_t>(code));
}

TEST(Win32Modules, SystemCodeIsInItsLibrary) {
  HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
  ASSERT_NE(kernel, nullptr);
  auto code = reinterpret_cast<const void*>(::GetProcAddress(kernel, "GetTickCount"));
  ModuleName name;
  std::uintptr_t base = 0;
  ASSERT_TRUE(FindModule(code, &name, &base));
  EXPECT_EQ(Lower(name), "kernel32.dll");
  EXPECT_EQ(base, reinterpret_cast<std::uintptr_t>(kernel));
}

TEST(Win32Modules, HeapStackAndUnmappedAddressesBelongToNoModule) {
  auto heap = std::make_unique<char[]>(1 << 20);
  int local = 0;
  ModuleName name;
  name.SetFromPath("untouched", "\\");
  std::uintptr_t base = 0;
  EXPECT_FALSE(FindModule(heap.get(), &name, &base));
  EXPECT_FALSE(FindModule(&local, &name, &base));
  EXPECT_FALSE(FindModule(nullptr, &name, &base));
  EXPECT_FALSE(FindModule(reinterpret_cast<const void*>(0x10), &name, &base));
  EXPECT_EQ(name.View(), "untouched");
}

}  // namespace
}  // namespace zaveredo::platform
