// Starts a program and tells how long it took from its exec until its first
// top-level window was viewable on the X server, and its peak resident memory.
//
//   startup_watcher [--timeout SECONDS] [--settle MILLISECONDS] -- PROGRAM [ARGUMENT...]
//
// Prints one line "map_ms=... peak_rss_kib=... pid=... window=... class=..." and ends the program
// with everything it started. Exit status: 0 measured, 2 no window before the
// timeout, 3 the program ended without a window, 4 stopped by a signal, 1 wrong use
// or no X display.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <exception>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "bench/startup/first_window.h"
#include "bench/startup/launched_program.h"

namespace {

struct Options {
  std::chrono::milliseconds timeout{20'000};
  // The program keeps running this long after its window is viewable, so its
  // peak memory includes the first paint, not only the map.
  std::chrono::milliseconds settle{500};
  std::vector<std::string> command;
};

std::chrono::milliseconds milliseconds_from(const std::string& text, double unit_in_ms) {
  return std::chrono::milliseconds(static_cast<long long>(std::stod(text) * unit_in_ms));
}

Options parse(std::span<char*> arguments) {
  Options options;
  size_t next = 0;
  for (; next < arguments.size(); ++next) {
    const std::string word = arguments[next];
    if (word == "--") {
      ++next;
      break;
    }
    if (next + 1 >= arguments.size()) throw std::invalid_argument("missing value after " + word);
    if (word == "--timeout") {
      options.timeout = milliseconds_from(arguments[++next], 1000.0);
    } else if (word == "--settle") {
      options.settle = milliseconds_from(arguments[++next], 1.0);
    } else {
      throw std::invalid_argument("unknown option " + word);
    }
  }
  options.command.assign(arguments.begin() + static_cast<std::ptrdiff_t>(next), arguments.end());
  if (options.command.empty()) throw std::invalid_argument("no program given");
  return options;
}

volatile std::sig_atomic_t stop_requested = 0;

void request_stop(int) { stop_requested = 1; }

// Told to stop (a timeout around us, Ctrl-C), we still end the program and
// what it started: its process group is not ours, so the signal missed it.
void stop_gracefully_on_signals() {
  struct sigaction action {};
  action.sa_handler = request_stop;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

int measure(const Options& options) {
  bench::FirstWindowWatch watch(bench::DisplayConnection(XOpenDisplay(nullptr)));
  bench::LaunchedProgram program(options.command);
  const auto deadline = program.exec_time() + options.timeout;
  const auto viewable = watch.wait(deadline, [&] { return stop_requested == 0 && !program.has_exited(); });
  if (stop_requested != 0) return 4;
  if (!viewable) {
    const bool exited = program.has_exited();
    std::fprintf(stderr, "startup_watcher: %s: %s\n", options.command.front().c_str(),
                 exited ? "ended without a window" : "no window before the timeout");
    return exited ? 3 : 2;
  }
  std::this_thread::sleep_for(options.settle);
  const auto peak = program.peak_resident_kib();
  const std::chrono::duration<double, std::milli> startup = viewable->seen - program.exec_time();
  std::printf("map_ms=%.3f peak_rss_kib=%ld pid=%d window=0x%lx class=%s\n", startup.count(),
              peak.value_or(-1), static_cast<int>(program.pid()), viewable->window,
              bench::class_name_of(watch.display(), viewable->window).c_str());
  std::fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const Options options = parse(std::span<char*>(argv + 1, static_cast<size_t>(argc - 1)));
    stop_gracefully_on_signals();
    return measure(options);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "startup_watcher: %s\n", failure.what());
    return 1;
  }
}
