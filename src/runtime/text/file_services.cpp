#include "runtime/text/file_services.h"

#include "platform/files.h"

namespace zaveredo {

std::string CurrentDirectory() {
  return platform::GetCurrentDirectory();
}

// Presence is the entry alone: its time stamp plays no part, so an existing results file is
// never taken for a missing one and emptied.
bool FileIsPresent(const char* path) {
  bool isDirectory = false;
  return platform::FindFirstFile(path, &isDirectory) && !isDirectory;
}

}  // namespace zaveredo
