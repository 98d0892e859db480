#include "expect.h"

#include <cstdio>

namespace e2e {
namespace {
int failed_checks = 0;
}

std::string Utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr,
                      nullptr);
  return utf8;
}

void Expect(bool ok, std::string_view what) {
  if (ok) return;
  ++failed_checks;
  std::printf("FAILED: %.*s\n", static_cast<int>(what.size()), what.data());
  std::fflush(stdout);
}

void ExpectText(std::wstring_view actual, std::wstring_view expected, std::string_view what) {
  // Very long texts are shown by their length and ends only.
  const auto shown = [](std::wstring_view text) {
    std::string quoted = text.size() <= 200 ? "" : std::to_string(text.size()) + " characters ";
    quoted += '"';
    quoted += Utf8(text.substr(0, text.size() <= 200 ? text.size() : 40));
    quoted += text.size() <= 200 ? "\"" : "...\"";
    return quoted;
  };
  Expect(actual == expected, std::string(what) + ": " + shown(actual) + ", expected " + shown(expected));
}

int FailedChecks() { return failed_checks; }

}  // namespace e2e
