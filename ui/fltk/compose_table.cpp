#include "ui/fltk/compose_table.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace ui::fltk {
namespace {

// Xlib reads XCOMPOSEFILE when it is set, else ~/.XCompose when that exists,
// else the locale's table; an empty file gives an empty table.
constexpr const char* kComposeFileVariable = "XCOMPOSEFILE";
constexpr const char* kEmptyFile = "/dev/null";

bool UserHasComposeTable() {
  if (std::getenv(kComposeFileVariable)) return true;
  const char* const home = std::getenv("HOME");
  return home && access((std::string(home) + "/.XCompose").c_str(), F_OK) == 0;
}

}  // namespace

void LeaveOutLocaleComposeTable() {
  if (!UserHasComposeTable()) setenv(kComposeFileVariable, kEmptyFile, 0);
}

}  // namespace ui::fltk
