// Small services beside the streams: whether a file exists, and whether a name still leads to
// a stream's file.
#pragma once

#include "runtime/text/text_stream.h"

namespace zaveredo {

// Whether a file, not a directory, of that name exists. False, with the search's error code
// left as the pending I/O result, when the search failed otherwise than by finding no such
// file or path: the answer is then unknown, and the caller's CheckIoResult raises it.
bool FileIsPresent(const char* path);

// Whether the name still leads to the very file the stream has open: false when it leads to
// another one (the stream's file was replaced by a rename) or to none (it was deleted). False,
// with the code left as the pending I/O result, when that cannot be told.
bool NameLeadsToStream(const char* path, const TextStream& stream);

}  // namespace zaveredo
