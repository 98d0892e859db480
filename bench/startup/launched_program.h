#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <span>
#include <string>

namespace bench {

// A program started in a process group of its own. This process is made a
// child subreaper first, so helpers the program leaves behind (D-Bus
// activations, daemonised servers) are re-parented here and can be found
// and ended with it. Move-only: the owner ends the whole tree when it goes.
class LaunchedProgram {
 public:
  // Forks and executes `argv` (searched in PATH). Returns after the exec
  // succeeded; throws std::runtime_error if it failed.
  explicit LaunchedProgram(std::span<const std::string> argv);
  ~LaunchedProgram();
  LaunchedProgram(LaunchedProgram&& other) noexcept;
  LaunchedProgram& operator=(LaunchedProgram&&) = delete;
  LaunchedProgram(const LaunchedProgram&) = delete;
  LaunchedProgram& operator=(const LaunchedProgram&) = delete;

  pid_t pid() const { return pid_; }
  // CLOCK_MONOTONIC time taken in the child just before its exec.
  std::chrono::nanoseconds exec_time() const { return exec_time_; }
  // Whether the program itself has ended (reaps it if so).
  bool has_exited();
  // Peak resident set of the program's own process in KiB (VmHWM), while it runs.
  std::optional<long> peak_resident_kib() const;
  // Ends the program's process group and every process descended from this
  // one, then reaps them all. Bounded: TERM, a short grace, then KILL.
  void end_all();

 private:
  pid_t pid_ = -1;
  bool reaped_ = false;
  std::chrono::nanoseconds exec_time_{};
};

std::chrono::nanoseconds monotonic_now();

// Whether `pid` was started, directly or not, by this process. Since a
// launcher is a subreaper, that is: by the launched program.
bool descends_from_this_process(pid_t pid);

}  // namespace bench
