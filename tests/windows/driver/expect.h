// Checks that report every failure and let the case go on, and the one
// that ends it when nothing more can be checked.
#pragma once

#include <windows.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>

namespace e2e {

struct CaseAborted : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Utf8(std::wstring_view text);

// Counts and prints failed checks.
void Expect(bool ok, std::string_view what);
void ExpectText(std::wstring_view actual, std::wstring_view expected, std::string_view what);
int FailedChecks();

inline void Require(bool ok, std::string_view what) {
  if (!ok) throw CaseAborted(std::string(what));
}

// Polls `condition` until it holds or `timeout` passes.
template <typename Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace e2e
