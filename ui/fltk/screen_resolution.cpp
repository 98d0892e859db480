#include "ui/fltk/screen_resolution.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <cmath>
#include <cstdlib>

namespace ui::fltk {
namespace {

constexpr int kFallbackDpi = 96;

int DesktopDpi() {
  const char* const setting = XGetDefault(fl_display, "Xft", "dpi");
  return setting ? static_cast<int>(std::lround(std::atof(setting))) : 0;
}

}  // namespace

int ScreenDpi() {
  fl_open_display();
  if (const int desktop = DesktopDpi(); desktop > 0) return desktop;
  float horizontal = 0;
  float vertical = 0;
  Fl::screen_dpi(horizontal, vertical);
  const int server = static_cast<int>(std::lround(vertical));
  return server > 0 ? server : kFallbackDpi;
}

}  // namespace ui::fltk
