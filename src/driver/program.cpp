#include "driver/program.h"

#include <new>
#include <string>

#include "driver/description.h"
#include "driver/pair_run.h"
#include "driver/pair_table.h"
#include "driver/record.h"
#include "driver/statements.h"
#include "driver/texts.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "probe/windows_name.h"
#include "runtime/errors/errors.h"
#include "runtime/format/left_chars.h"
#include "runtime/format/separators.h"
#include "runtime/random.h"
#include "runtime/termination/termination.h"
#include "runtime/text/text_stream.h"
#include "runtime/time_of_day.h"
#include "workloads/arrays.h"
#include "workloads/element_count.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

constexpr int kInitialsLength = 8;
// Of the line typed, the bytes the eight characters can come from in any code page (UTF-8: at
// most 4 bytes each) with room to spare; the rest of a longer line, even one that never ends,
// is read and dropped.
constexpr std::size_t kInitialsLineKept = 255;

// Process-wide: it is left open on an error, so a cut record keeps only the bytes that had
// left its buffer.
ResultsFile resultsFile;

void PrintBanner(TextStream& console) {
  PrintLine(console, {DriverText(TextId::kBannerTitle)});
  PrintLine(console, {DriverText(TextId::kBannerAuthorship)});
  PrintLine(console);
  PrintLine(console, {DriverText(TextId::kBannerTermsOfUse)});
  PrintLine(console);
}

// Not echoed: the console shows only what the user typed.
void AskForInitials(TextStream& console, TextStream& input) {
  Print(console, {DriverText(TextId::kInitialsPrompt)});
  std::string initials = ReadLine(input, kInitialsLineKept);
  WriteField(resultsFile, LeftChars(initials, kInitialsLength));
}

void PrintNotices(TextStream& console) {
  PrintLine(console);
  PrintLine(console, {DriverText(TextId::kStorageNotice)});
  PrintLine(console, {DriverText(TextId::kMailNotice)});
  PrintLine(console);
}

void RunPhasePairs(TextStream& console) {
  PrintLine(console, {DriverText(TextId::kWarmUpNotice)});
  PairContext context{
      {TimeOfDay, platform::MonotonicMilliseconds}, &console, &resultsFile, &StartupSeparators()};
  for (const PhasePair& pair : kPhasePairs) {
    RunPhasePair(pair, context);
    if (pair.emptyLineAfter) PrintLine(console);
  }
}

// The whole path, however long; a directory removed meanwhile is named with a note that says so.
void ShowStorageLocation(TextStream& console) {
  bool removed = false;
  std::string directory = platform::GetCurrentDirectory(&removed);
  if (removed) {
    if (!directory.empty()) directory += ' ';
    directory += DriverText(TextId::kDirectoryRemoved);
  }
  PrintLine(console, {DriverText(TextId::kLocationLabel), directory});
  PrintLine(console);
}

// Everything the run relies on before its first step; returns the platform version, read here
// once for the whole run.
PlatformVersionInfo StartUp() {
  x87::ResetFpu();
  InstallErrorMachinery();
  LoadDriverTexts();
  ReadSeparators();
  FixLocalOffset();
  PlatformVersionInfo version = QueryPlatformVersion();
  // The termination sequence releases the arrays first, on the normal end and after an error.
  SetProgramFinalization(ReleaseAllArrays);
  return version;
}

// The run from the results file's opening to the final ENTER and its closing, every array sized
// to elementCount elements. Every failure raises and ends the run; nothing here catches.
void RunBenchmark(std::int32_t elementCount, const PlatformVersionInfo& version) {
  TextStream& console = StdOutput();
  TextStream& input = StdInput();

  OpenResultsFile(resultsFile);
  PrintBanner(console);
  DescribeMachine(console, resultsFile, version);
  AskForInitials(console, input);
  PrintNotices(console);

  SeedRandomSource();
  ElementCount = elementCount;
  RunPhasePairs(console);
  // The record is complete: the last pair wrote its last field.
  WriteOutRecord(resultsFile);

  ShowStorageLocation(console);
  KeepRecordFindable(resultsFile);
  Print(console, {DriverText(TextId::kEnterToEnd)});
  WaitForLine(input);
  CloseResultsFile(resultsFile);
}

}  // namespace

int RunProgram(std::int32_t elementCount) {
  try {
    // Inside the handler too: an error before the machinery is up leaves the fallback line.
    PlatformVersionInfo version = StartUp();
    RunBenchmark(elementCount, version);
  } catch (const Error& error) {
    ReportUnhandledError(error);
  } catch (const std::bad_alloc&) {
    // A text that could not grow: the same report as an array that cannot be sized.
    ReportOutOfMemory();
  }
  TerminateRun(0);
}

}  // namespace zaveredo
