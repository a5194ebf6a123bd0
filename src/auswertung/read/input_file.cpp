#include "auswertung/read/input_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace zaveredo::auswertung {
namespace {

std::string ReasonOf(int error) {
  switch (error) {
    case ENOENT:
      return "Datei nicht gefunden.";
    case EACCES:
    case EPERM:
      return "Zugriff verweigert.";
    case EISDIR:
      return "Ist ein Verzeichnis, keine Datei.";
    default:
      return "Kann nicht gelesen werden (Fehler " + std::to_string(error) + ").";
  }
}

// A record is a few hundred bytes; files joined without line breaks put many records on one
// line, but no collection reaches this. A longer line is no results file (/dev/zero, a sparse
// file), and reading it on would only fill the memory.
constexpr std::size_t kLongestLine = std::size_t{64} << 20;

// The length of the line that the text ends in, given that of the text before it.
std::size_t OpenLineLength(std::string_view text, std::size_t before) {
  const std::size_t lineEnd = text.find_last_of('\n');
  return lineEnd == std::string_view::npos ? before + text.size() : text.size() - lineEnd - 1;
}

// Everything up to the end; a read error is an error, not a shorter file.
std::string ReadAll(std::FILE* stream, const BytesSink& piece) {
  std::vector<char> buffer(std::size_t{1} << 18);
  std::size_t count;
  std::size_t openLine = 0;
  while ((count = std::fread(buffer.data(), 1, buffer.size(), stream)) > 0) {
    openLine = OpenLineLength(std::string_view(buffer.data(), count), openLine);
    if (openLine > kLongestLine) {
      return "Eine Zeile ist länger als 64 MiB, länger als jeder Datensatz; die Datei wird "
             "nicht gelesen.";
    }
    piece(std::string_view(buffer.data(), count));
  }
  if (std::ferror(stream)) return ReasonOf(errno != 0 ? errno : EIO);
  return "";
}

}  // namespace

std::string ReadInputFile(const std::string& name, const BytesSink& piece) {
  if (name == "-") {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);  // CR LF and byte 26 must arrive as they are
#endif
    return ReadAll(stdin, piece);
  }
  std::error_code code;
  if (std::filesystem::is_directory(name, code)) return ReasonOf(EISDIR);
  errno = 0;
  std::FILE* file = std::fopen(name.c_str(), "rb");
  if (file == nullptr) return ReasonOf(errno != 0 ? errno : ENOENT);
  errno = 0;
  std::string error = ReadAll(file, piece);
  std::fclose(file);
  return error;
}

}  // namespace zaveredo::auswertung
