#include "auswertung/formats/chunked_output.h"

namespace zaveredo::auswertung {
namespace {

constexpr std::size_t kPieceBytes = 64 * 1024;

}  // namespace

ChunkedOutput::ChunkedOutput(std::ostream& out) : out_(out) {
  chunk_.reserve(kPieceBytes + kPieceBytes / 4);
}

bool ChunkedOutput::Pass() {
  if (chunk_.size() >= kPieceBytes) {
    out_.write(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
    chunk_.clear();
  }
  return static_cast<bool>(out_);
}

void ChunkedOutput::Finish() {
  if (out_) out_.write(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
  chunk_.clear();
}

}  // namespace zaveredo::auswertung
