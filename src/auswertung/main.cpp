// zaveredo2-auswertung: reads the results files of many machines and compares them.
#include <cstdio>
#include <iostream>

#include "auswertung/program.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // The report is UTF-8 with the line ends it was made with.
  _setmode(_fileno(stdout), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
#endif
  const int code = zaveredo::auswertung::RunAuswertung(argc, argv, std::cout, std::cerr);
  std::cout.flush();
  return code;
}
