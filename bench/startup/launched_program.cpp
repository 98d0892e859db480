#include "bench/startup/launched_program.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

namespace bench {
namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Fd& operator=(Fd&&) = delete;
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  void reset() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
  }

 private:
  int fd_;
};

bool read_whole(int fd, void* buffer, size_t size) {
  auto* bytes = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd, bytes + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    done += static_cast<size_t>(got);
  }
  return true;
}

// Only async-signal-safe calls between fork and exec: the parent may hold
// locks (Xlib's, the allocator's) that the child would never see released.
[[noreturn]] void exec_child(const std::vector<char*>& argv, int report_fd) {
  ::setpgid(0, 0);
  // Should the launcher itself be killed outright, the program goes with it.
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  const long long nanoseconds = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
  [[maybe_unused]] const auto wrote = ::write(report_fd, &nanoseconds, sizeof nanoseconds);
  ::execvp(argv[0], argv.data());
  const int error = errno;
  [[maybe_unused]] const auto also_wrote = ::write(report_fd, &error, sizeof error);
  ::_exit(127);
}

pid_t parent_of(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  while (status >> key) {
    if (key == "PPid:") {
      pid_t parent = 0;
      status >> parent;
      return parent;
    }
    status.ignore(4096, '\n');
  }
  return 0;
}

// Every live process whose chain of parents leads to this one. A subreaper
// adopts orphans, so nothing the program started can drop out of this set.
std::vector<pid_t> descendants_of_self() {
  std::vector<pid_t> found;
  DIR* proc = ::opendir("/proc");
  if (proc == nullptr) return found;
  while (const dirent* entry = ::readdir(proc)) {
    char* end = nullptr;
    const long pid = std::strtol(entry->d_name, &end, 10);
    if (*end == '\0' && descends_from_this_process(static_cast<pid_t>(pid))) {
      found.push_back(static_cast<pid_t>(pid));
    }
  }
  ::closedir(proc);
  return found;
}

void signal_everything(pid_t group, int signal) {
  ::kill(-group, signal);
  for (const pid_t pid : descendants_of_self()) ::kill(pid, signal);
}

void reap_finished_children() {
  while (::waitpid(-1, nullptr, WNOHANG) > 0) {
  }
}

}  // namespace

bool descends_from_this_process(pid_t pid) {
  const pid_t self = ::getpid();
  if (pid <= 1 || pid == self) return false;
  for (pid_t up = parent_of(pid); up > 1; up = parent_of(up)) {
    if (up == self) return true;
  }
  return false;
}

std::chrono::nanoseconds monotonic_now() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

LaunchedProgram::LaunchedProgram(std::span<const std::string> argv) {
  if (argv.empty()) throw std::runtime_error("no program given");
  if (::prctl(PR_SET_CHILD_SUBREAPER, 1) != 0) throw std::runtime_error("cannot become a subreaper");
  std::vector<std::string> copies(argv.begin(), argv.end());
  std::vector<char*> pointers;
  for (auto& word : copies) pointers.push_back(word.data());
  pointers.push_back(nullptr);

  int ends[2];
  if (::pipe2(ends, O_CLOEXEC) != 0) throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
  Fd read_end(ends[0]);
  Fd write_end(ends[1]);
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork: " + std::string(std::strerror(errno)));
  if (pid_ == 0) exec_child(pointers, write_end.get());
  // Both sides set the group, so no signal sent below can miss it.
  ::setpgid(pid_, pid_);
  write_end.reset();

  long long nanoseconds = 0;
  const bool started = read_whole(read_end.get(), &nanoseconds, sizeof nanoseconds);
  int exec_error = 0;
  // The pipe closes on a successful exec; an errno arrives only on failure.
  if (!started || read_whole(read_end.get(), &exec_error, sizeof exec_error)) {
    end_all();
    throw std::runtime_error("cannot start " + copies.front() + ": " + std::strerror(exec_error));
  }
  exec_time_ = std::chrono::nanoseconds(nanoseconds);
}

LaunchedProgram::LaunchedProgram(LaunchedProgram&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)), reaped_(other.reaped_), exec_time_(other.exec_time_) {}

LaunchedProgram::~LaunchedProgram() { end_all(); }

bool LaunchedProgram::has_exited() {
  if (reaped_) return true;
  if (::waitpid(pid_, nullptr, WNOHANG) == pid_) reaped_ = true;
  return reaped_;
}

std::optional<long> LaunchedProgram::peak_resident_kib() const {
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      long kib = 0;
      if (status >> kib) return kib;
      return std::nullopt;
    }
    status.ignore(4096, '\n');
  }
  return std::nullopt;
}

void LaunchedProgram::end_all() {
  if (pid_ <= 0) return;
  using namespace std::chrono_literals;
  signal_everything(pid_, SIGTERM);
  const auto give_up = monotonic_now() + std::chrono::nanoseconds(1s);
  while (monotonic_now() < give_up) {
    reap_finished_children();
    if (descendants_of_self().empty()) break;
    std::this_thread::sleep_for(10ms);
  }
  // Whatever ignored TERM, or was started while we waited, ends now.
  for (int sweep = 0; sweep < 50; ++sweep) {
    signal_everything(pid_, SIGKILL);
    reap_finished_children();
    if (descendants_of_self().empty()) break;
    std::this_thread::sleep_for(10ms);
  }
  reap_finished_children();
  pid_ = -1;
}

}  // namespace bench
