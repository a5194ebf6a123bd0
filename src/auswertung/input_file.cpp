#include "auswertung/input_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
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

InputFile ReadStandardInput() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);  // CR LF and byte 26 must arrive as they are
#endif
  InputFile input;
  std::ostringstream bytes;
  bytes << std::cin.rdbuf();
  input.bytes = std::move(bytes).str();
  if (std::cin.bad()) input.error = "Die Standardeingabe kann nicht gelesen werden.";
  return input;
}

}  // namespace

InputFile ReadInputFile(const std::string& name) {
  if (name == "-") return ReadStandardInput();
  InputFile input;
  std::error_code code;
  if (std::filesystem::is_directory(name, code)) {
    input.error = ReasonOf(EISDIR);
    return input;
  }
  errno = 0;
  std::ifstream file(name, std::ios::binary);
  if (!file) {
    input.error = ReasonOf(errno != 0 ? errno : ENOENT);
    return input;
  }
  input.bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  if (file.bad()) input.error = ReasonOf(errno != 0 ? errno : EIO);
  return input;
}

}  // namespace zaveredo::auswertung
