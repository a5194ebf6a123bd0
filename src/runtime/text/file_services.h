// A small service beside the streams: whether a file exists.
#pragma once

namespace zaveredo {

// Whether a file, not a directory, of that name exists. False, with the search's error code
// left as the pending I/O result, when the search failed otherwise than by finding no such
// file or path: the answer is then unknown, and the caller's CheckIoResult raises it.
bool FileIsPresent(const char* path);

}  // namespace zaveredo
