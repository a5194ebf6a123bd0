// Text gathered in pieces of about 64 KiB and handed to a stream: few writes, and never more
// than a piece in memory however long the report.
#pragma once

#include <ostream>
#include <string>

namespace zaveredo::auswertung {

class ChunkedOutput {
 public:
  explicit ChunkedOutput(std::ostream& out);

  // Where the next text is appended.
  std::string& Text() { return chunk_; }

  // Writes the gathered text once it fills a piece. False once a write failed: the writer
  // stops, and the stream's state tells the caller.
  bool Pass();

  // Writes what is left.
  void Finish();

 private:
  std::ostream& out_;
  std::string chunk_;
};

}  // namespace zaveredo::auswertung
