// Whether two names or streams lead to one file: device and inode on POSIX, volume serial
// number and file index on Windows. Hard links, symbolic links and other spellings of a path
// all give the file's one identity.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/files.h"

namespace zaveredo::platform {

struct FileIdentity {
  std::optional<std::uint64_t> volume;  // none where the system would not tell it
  std::uint64_t file = 0;
};

// Whether two identities may be one file. A volume that is not known matches any: taking two
// files for one only refuses a report, taking one file for two could overwrite records.
inline bool MayBeSameFile(const FileIdentity& a, const FileIdentity& b) {
  return a.file == b.file && (!a.volume || !b.volume || *a.volume == *b.volume);
}

// The identity of a regular file; none for anything else (no such file, a directory, a device,
// a pipe), which cannot be one of two names for a file's bytes.
std::optional<FileIdentity> IdentifyFile(const char* path);

// The same for the file behind a standard stream: kStdInputHandle or kStdOutputHandle.
std::optional<FileIdentity> IdentifyStandardStream(int which);

}  // namespace zaveredo::platform
