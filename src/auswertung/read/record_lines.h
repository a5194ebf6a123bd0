// A results file's bytes as its records' lines, read piece by piece as they arrive: records are
// separated by CR LF (or LF), empty records are left out, and a byte 26 ends a text.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zaveredo::auswertung {

class RecordLines {
 public:
  using LineSink = std::function<void(std::string_view line)>;
  using EndSink = std::function<void()>;

  RecordLines(LineSink line, EndSink endOfText)
      : line_(std::move(line)), endOfText_(std::move(endOfText)) {}

  // Hands on each line the bytes complete, and each byte 26 after the line it closes.
  void Add(std::string_view bytes);
  // The last line, which has no line break.
  void Finish();

 private:
  void Emit(std::string_view line);

  LineSink line_;
  EndSink endOfText_;
  std::string open_;  // the start of a line that the next bytes go on with
};

// The lines of the text before the first byte 26.
std::vector<std::string_view> SplitRecordLines(std::string_view bytes);

}  // namespace zaveredo::auswertung
