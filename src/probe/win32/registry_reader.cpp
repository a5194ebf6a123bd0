#include "probe/win32/registry_reader.h"

#include "platform/codepage.h"
#include "runtime/errors/errors.h"

namespace zaveredo {

namespace {

constexpr const char* kReadFailedText = "Fehler beim Holen der Daten für '";
constexpr const char* kWrongTypeText = "Ungültiger Datentyp für '";

[[noreturn, gnu::noinline]] void RaiseRegistryError(const char* text, const std::string& name) {
  throw Error(ErrorKind::ERegistryException, platform::Utf8ToAnsi(text) + name + "'",
              __builtin_return_address(0));
}

}  // namespace

RegistryReader::~RegistryReader() {
  CloseKey();
}

void RegistryReader::CloseKey() {
  if (current_ == platform::kNullKey) return;
  platform::RegCloseKey(current_);
  current_ = platform::kNullKey;
}

bool RegistryReader::OpenKey(const std::string& path) {
  platform::HKey opened = platform::kNullKey;
  if (platform::RegOpenKeyEx(root_, path.c_str(), platform::kKeyRead, &opened) !=
      platform::kErrorSuccess)
    return false;
  CloseKey();
  current_ = opened;
  return true;
}

std::string RegistryReader::ReadString(const std::string& name) {
  // A failed size query reads as the empty text, like a missing value.
  std::uint32_t size = 0;
  if (platform::RegQueryValueEx(current_, name.c_str(), nullptr, nullptr, &size) !=
          platform::kErrorSuccess ||
      size == 0)
    return std::string();
  std::string text(size, '\0');
  std::uint32_t type = platform::kRegNone;
  if (platform::RegQueryValueEx(current_, name.c_str(), &type,
                                reinterpret_cast<std::uint8_t*>(text.data()),
                                &size) != platform::kErrorSuccess)
    RaiseRegistryError(kReadFailedText, name);
  if (type != platform::kRegSz && type != platform::kRegExpandSz)
    RaiseRegistryError(kWrongTypeText, name);
  // An expandable string is returned as stored, not expanded.
  text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
  return text;
}

}  // namespace zaveredo
