// File identities from GetFileInformationByHandle: the volume serial number and the file index
// of a disk file.
#include "platform/file_identity.h"

#include "platform/files.h"
#include "platform/win32/windows_api.h"

namespace zaveredo::platform {
namespace {

// The file index alone, from the native call underneath GetFileInformationByHandle: Wine
// answers it for a standard handle that came from a Unix file, where it cannot tell that
// handle's volume and so fails the whole GetFileInformationByHandle.
std::optional<std::uint64_t> FileIndexOf(HANDLE handle) {
  using Query = LONG(WINAPI*)(HANDLE, void* status, void* info, ULONG size, int kind);
  constexpr int kFileInternalInformation = 6;
  const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  const auto query = ntdll ? reinterpret_cast<Query>(reinterpret_cast<void*>(
                                 ::GetProcAddress(ntdll, "NtQueryInformationFile")))
                           : nullptr;
  ULONG_PTR status[2] = {};
  LARGE_INTEGER index{};
  if (query == nullptr ||
      query(handle, status, &index, sizeof index, kFileInternalInformation) != 0) {
    return std::nullopt;
  }
  return static_cast<std::uint64_t>(index.QuadPart);
}

std::optional<FileIdentity> IdentityOf(HANDLE handle) {
  if (::GetFileType(handle) != FILE_TYPE_DISK) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(handle, &info)) {
    const std::optional<std::uint64_t> index = FileIndexOf(handle);
    if (!index) return std::nullopt;
    return FileIdentity{std::nullopt, *index};
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber,
                      (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

}  // namespace

std::optional<FileIdentity> IdentifyFile(const char* path) {
  // No access asked: the file's attributes are read while any other program holds it.
  HANDLE handle = ::CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  const std::optional<FileIdentity> identity = IdentityOf(handle);
  ::CloseHandle(handle);
  return identity;
}

std::optional<FileIdentity> IdentifyStandardStream(int which) {
  HANDLE handle = ::GetStdHandle(which == kStdInputHandle ? STD_INPUT_HANDLE : STD_OUTPUT_HANDLE);
  if (handle == INVALID_HANDLE_VALUE || handle == nullptr) return std::nullopt;
  return IdentityOf(handle);
}

}  // namespace zaveredo::platform
