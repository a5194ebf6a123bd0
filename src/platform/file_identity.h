// Whether two names or streams lead to one file: device and inode on POSIX, volume serial
// number and file index on Windows. Hard links, symbolic links and other spellings of a path
// all give the file's one identity.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/files.h"

namespace zaveredo::platform {

struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t file = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of a regular file; none for anything else (no such file, a directory, a device,
// a pipe), which cannot be one of two names for a file's bytes.
std::optional<FileIdentity> IdentifyFile(const char* path);

// The same for the file behind a standard stream: kStdInputHandle or kStdOutputHandle.
std::optional<FileIdentity> IdentifyStandardStream(int which);

}  // namespace zaveredo::platform
