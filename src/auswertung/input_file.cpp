#include "auswertung/input_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
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

// Everything up to the end; a read error is an error, not a shorter file.
InputFile ReadAll(std::FILE* stream) {
  InputFile input;
  char buffer[1 << 16];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, stream)) > 0)
    input.bytes.append(buffer, count);
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
