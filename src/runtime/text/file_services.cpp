#include "runtime/text/file_services.h"

#include "platform/files.h"
#include "runtime/text/text_stream_internal.h"

namespace zaveredo {
namespace {

// ERROR_GEN_FAILURE: a query that failed without saying why.
constexpr std::int32_t kQueryFailedUnsaid = 31;

// A query that gave no answer: its code becomes the pending I/O result.
void LeaveQueryFailurePending(std::uint32_t code) {
  text_stream::SetIoResult(code != 0 ? static_cast<std::int32_t>(code) : kQueryFailedUnsaid);
}

// A search that found no entry: false. Unless it failed by finding no such file or path, the
// answer is unknown and its code becomes the pending I/O result.
bool NotFound() {
  std::uint32_t code = platform::GetLastError();
  if (code != platform::kErrorFileNotFound && code != platform::kErrorPathNotFound)
    LeaveQueryFailurePending(code);
  return false;
}

}  // namespace

// Presence is the entry alone: its time stamp plays no part, so an existing results file is
// never taken for a missing one and emptied. For the same reason a search that fails for any
// other reason than a definite "no such file or path" answers nothing: its code becomes the
// pending I/O result, for the caller's CheckIoResult to raise.
bool FileIsPresent(const char* path) {
  bool isDirectory = false;
  if (platform::FindFirstFile(path, &isDirectory)) return !isDirectory;
  return NotFound();
}

bool NameLeadsToStream(const char* path, const TextStream& stream) {
  platform::FileId open{};
  platform::FileId named{};
  if (!platform::GetFileId(stream.handle, &open)) {
    LeaveQueryFailurePending(platform::GetLastError());
    return false;
  }
  if (platform::GetFileIdOfName(path, &named)) return named == open;
  return NotFound();
}

}  // namespace zaveredo
