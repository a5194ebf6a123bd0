// Runs a piece of the program in a child process with its standard output and error on pipes,
// for tests of what a run leaves behind when it ends.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace zaveredo::test_support {

struct ChildOutcome {
  int exitCode = -1;  // -1 when the child did not exit by itself
  std::string output;
  std::string error;
};

enum class ChildPipes {
  kSeparate,         // standard output and standard error each on a pipe of its own
  kShared,           // both on one pipe, in the order written: collected in output
  kOutputReaderGone  // standard output on a pipe nobody reads: writing to it fails
};

inline std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  ssize_t n;
  while ((n = read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(n));
  close(fd);
  return text;
}

// The child ends within ten seconds or is killed: a looping end fails instead of hanging.
inline ChildOutcome RunInChild(void (*body)(), ChildPipes pipes = ChildPipes::kSeparate) {
  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return {};
  // Closed before the child exists, so no process ever reads it.
  if (pipes == ChildPipes::kOutputReaderGone) close(out[0]);
  pid_t pid = fork();
  if (pid == 0) {
    alarm(10);
    dup2(out[1], 1);
    dup2(pipes == ChildPipes::kShared ? out[1] : err[1], 2);
    if (pipes != ChildPipes::kOutputReaderGone) close(out[0]);
    close(out[1]);
    close(err[0]);
    close(err[1]);
    body();
    _exit(99);
  }
  close(out[1]);
  close(err[1]);
  ChildOutcome outcome;
  if (pipes != ChildPipes::kOutputReaderGone) outcome.output = ReadAll(out[0]);
  outcome.error = ReadAll(err[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
  return outcome;
}

}  // namespace zaveredo::test_support
