// The pending I/O result and its check.
#include "runtime/errors/errors.h"
#include "runtime/text/text_stream.h"
#include "runtime/text/text_stream_internal.h"

namespace zaveredo {
namespace {

thread_local std::int32_t pendingIoResult = 0;

}  // namespace

namespace text_stream {

void SetIoResult(std::int32_t code) {
  if (pendingIoResult == 0) pendingIoResult = code;
}

bool RunStreamOp(StreamOp op, TextStream& stream) {
  std::int32_t result = op(stream);
  if (result != 0) SetIoResult(result);
  return result == 0;
}

}  // namespace text_stream

// Not inlined, so the return address is the statement that made the check.
__attribute__((noinline)) void CheckIoResult() {
  if (pendingIoResult == 0) return;
  std::int32_t code = pendingIoResult;
  pendingIoResult = 0;
  RaiseIoError(code, __builtin_return_address(0));
}

}  // namespace zaveredo
