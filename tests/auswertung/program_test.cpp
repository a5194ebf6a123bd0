// The program from its command line: exit codes, German messages, and results files that stay
// untouched.
#include "auswertung/program.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "tests/auswertung/fixture.h"
#include "tests/auswertung/invoke.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_directory.h"

namespace zaveredo::auswertung {
namespace {

using test_support::FileBytes;
using test_support::Invoke;
using test_support::Outcome;
using test_support::TestPath;
using zaveredo::test_support::PutFileBytes;
using zaveredo::test_support::TempDirectory;

class ProgramTest : public ::testing::Test {
 protected:
  TempDirectory directory_{TempDirectory::Use::kAsCurrent};
  const std::string real_ = TestPath("data/real/linux-c-locale.txt");
  const std::string buero_ = TestPath("data/buero.txt");  // one machine each
  const std::string labor_ = TestPath("data/labor.txt");
};

TEST_F(ProgramTest, HelpIsGermanAndEndsWithZero) {
  const Outcome help = Invoke({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("Aufruf: zaveredo2-auswertung"), std::string::npos);
  EXPECT_NE(help.out.find("--vergleich N"), std::string::npos);
  std::istringstream lines(help.out);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 100u) << line;
  EXPECT_EQ(help.err, "");
}

TEST_F(ProgramTest, UsageErrorsEndWithTwoAndAGermanMessage) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "Keine Datei angegeben."},
      {{"--gibtsnicht", real_}, "Unbekannte Argumente: --gibtsnicht"},
      {{"--format", "pdf", real_}, "Unbekanntes Format \"pdf\""},
      {{"--basis", "zwei", real_}, "--basis erwartet die Nummer einer Maschine"},
      {{"--basis", "2", real_}, "--basis 2: Es gibt nur die Maschine 1."},
      {{"--basis", "0", real_}, "--basis erwartet die Nummer einer Maschine, nicht \"0\"."},
      {{"--vergleich", "0", real_}, "--vergleich erwartet die Nummer einer Maschine, nicht \"0\"."},
      {{"--vergleich", "3", buero_, labor_}, "--vergleich 3: Es gibt nur die Maschinen 1 bis 2."},
      {{"--vergleich", "1", "--typen", real_}, "schließen einander aus"},
      {{"--basis"}, "Einer Option fehlt ihr Wert."},
      {{"--basis", "2", "--basis", "3", real_}, "--basis ist mehrfach angegeben."},
      {{"-o", "a", "-o", "b", real_}, "-o ist mehrfach angegeben."},
      {{"--vergleich", "1", real_}, "--vergleich 1: Das ist die Basis"},
  };
  for (const auto& [args, message] : cases) {
    const Outcome outcome = Invoke(args);
    EXPECT_EQ(outcome.code, 2) << message;
    EXPECT_NE(outcome.err.find(message), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.err.find("Aufruf:"), std::string::npos);
    EXPECT_EQ(outcome.out, "");
  }
}

TEST_F(ProgramTest, AnArgumentBeginningWithASlashIsAFileNotAnOption) {
  // On Windows too, where "/help" names a file in the current drive's root.
  const Outcome outcome = Invoke({"/help", real_});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_NE(outcome.err.find("/help: Datei nicht gefunden."), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.out.find("1 Maschine aus 2 vollständigen Datensätzen"), std::string::npos);
}

TEST_F(ProgramTest, FilesThatCannotBeReadAreNamedAndTheOthersStillReported) {
  PutFileBytes("leer.txt", "");
  PutFileBytes("fremd.txt", "Name;Vorname;\r\nMeier;Anna;");
  std::filesystem::create_directory("ordner");
  const Outcome outcome = Invoke({"leer.txt", "ordner", "fehlt.txt", "fremd.txt", real_});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_NE(outcome.err.find("leer.txt: Die Datei ist leer."), std::string::npos);
  EXPECT_NE(outcome.err.find("ordner: Ist ein Verzeichnis, keine Datei."), std::string::npos);
  EXPECT_NE(outcome.err.find("fehlt.txt: Datei nicht gefunden."), std::string::npos);
  EXPECT_NE(outcome.err.find("fremd.txt: Die Datei enthält keinen Datensatz von zaveredo2."),
            std::string::npos);
  EXPECT_NE(outcome.out.find("1 Maschine aus 2 vollständigen Datensätzen"), std::string::npos);
  EXPECT_EQ(Invoke({real_}).code, 0);
}

TEST_F(ProgramTest, AReportThatCannotBeWrittenIsAnError) {
  for (const char* format : {"text", "csv", "json"}) {
    std::ostream broken(nullptr);  // every write fails, as on a full disk
    std::ostringstream err;
    const std::string file = real_;
    const char* argv[] = {"zaveredo2-auswertung", "--format", format, file.c_str()};
    EXPECT_EQ(RunAuswertung(4, argv, broken, err), 1) << format;
    EXPECT_NE(err.str().find("Die Ausgabe kann nicht geschrieben werden."), std::string::npos);
  }
}

TEST_F(ProgramTest, TheReportGoesToTheNamedFileButNeverOntoAResultsFile) {
  PutFileBytes("zaveredo2.txt", FileBytes(real_));
  const Outcome refused = Invoke({"-o", "./zaveredo2.txt", "zaveredo2.txt"});
  EXPECT_EQ(refused.code, 2);
  EXPECT_EQ(FileBytes("zaveredo2.txt"), FileBytes(real_));

  const Outcome written = Invoke({"--format", "csv", "-o", "bericht.csv", "zaveredo2.txt"});
  EXPECT_EQ(written.code, 0);
  EXPECT_EQ(written.out, "");
  EXPECT_EQ(FileBytes("bericht.csv").substr(0, 14), "nummer,datei,m");
  // An existing report is not a file that is read, and is written over.
  EXPECT_EQ(Invoke({"--format", "json", "-o", "bericht.csv", "zaveredo2.txt"}).code, 0);
  EXPECT_EQ(FileBytes("bericht.csv").substr(0, 13), "{\"schema\": 1,");
  EXPECT_EQ(FileBytes("zaveredo2.txt"), FileBytes(real_));
}

}  // namespace
}  // namespace zaveredo::auswertung
