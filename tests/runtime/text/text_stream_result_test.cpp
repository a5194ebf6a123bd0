#include <gtest/gtest.h>

#include "runtime/errors/errors.h"
#include "runtime/text/text_stream.h"
#include "tests/runtime/text/text_stream_test_support.h"

namespace zaveredo {
namespace {

using test_support::TakeIoResult;

TEST(CheckIoResultTest, RaisesThePendingCodeOnceAtTheCaller) {
  TakeIoResult();
  TextStream stream;
  BindTextStream(stream, "");
  CloseTextStream(stream);  // a stream that is not open: 103
  bool raised = false;
  try {
    CheckIoResult();
  } catch (const Error& error) {
    raised = true;
    EXPECT_EQ(error.Kind(), ErrorKind::EInOutError);
    EXPECT_EQ(error.IoErrorCode(), 103);
    EXPECT_NE(error.Address(), nullptr);
  }
  EXPECT_TRUE(raised);
  EXPECT_NO_THROW(CheckIoResult());
}

TEST(CheckIoResultTest, FirstFailureOfAStatementIsTheOneReported) {
  TakeIoResult();
  TextStream stream;
  BindTextStream(stream, "never-opened.txt");
  WriteText(stream, "x");  // 105: not open for output
  FinishWrite(stream);     // would be 103
  EXPECT_EQ(TakeIoResult(), 105);
}

}  // namespace
}  // namespace zaveredo
