// zaveredo2-auswertung: reads the results files of many machines and compares them.
#include <cstdio>
#include <exception>
#include <iostream>
#include <new>

#include "auswertung/program.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

int Run(int argc, char** argv) {
  try {
    return zaveredo::auswertung::RunAuswertung(argc, argv, std::cout, std::cerr);
  } catch (const std::bad_alloc&) {
    std::cerr << "zaveredo2-auswertung: Zu wenig Arbeitsspeicher.\n";
  } catch (const std::exception& error) {
    std::cerr << "zaveredo2-auswertung: Abbruch: " << error.what() << "\n";
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // The report is UTF-8 with the line ends it was made with; the console shows UTF-8 while the
  // program runs and gets its own code page back afterwards.
  _setmode(_fileno(stdout), _O_BINARY);
  const UINT consolePage = GetConsoleOutputCP();
  if (consolePage != 0) SetConsoleOutputCP(CP_UTF8);
#endif
  const int code = Run(argc, argv);
  std::cout.flush();
#ifdef _WIN32
  if (consolePage != 0) SetConsoleOutputCP(consolePage);
#endif
  return code;
}
