#include "auswertung/read/input_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

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
InputFile ReadAll(std::FILE* stream) {
  InputFile input;
  char buffer[1 << 16];
  std::size_t count;
  std::size_t openLine = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, stream)) > 0) {
    openLine = OpenLineLength(std::string_view(buffer, count), openLine);
    if (openLine > kLongestLine) {
      return {"",
              "Eine Zeile ist länger als 64 MiB, länger als jeder Datensatz; die Datei wird "
              "nicht gelesen."};
    }
    input.bytes.append(buffer, count);
  }
  if (std::ferror(stream)) input.error = ReasonOf(errno != 0 ? errno : EIO);
  return input;
}

}  // namespace

InputFile ReadInputFile(const std::string& name) {
  if (name == "-") {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);  // CR LF and byte 26 must arrive as they are
#endif
    return ReadAll(stdin);
  }
  std::error_code code;
  if (std::filesystem::is_directory(name, code)) return {"", ReasonOf(EISDIR)};
  errno = 0;
  std::FILE* file = std::fopen(name.c_str(), "rb");
  if (file == nullptr) return {"", ReasonOf(errno != 0 ? errno : ENOENT)};
  errno = 0;
  InputFile input = ReadAll(file);
  std::fclose(file);
  return input;
}

}  // namespace zaveredo::auswertung
