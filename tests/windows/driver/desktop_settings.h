// The resolution a case runs the program at, and what the screen shows.
#pragma once

#include <windows.h>

namespace e2e {

// The resolution that programs started from now on take (Wine reads it
// from the registry at each program's start).
class ScopedResolution {
 public:
  explicit ScopedResolution(DWORD dpi);
  ScopedResolution(const ScopedResolution&) = delete;
  ScopedResolution& operator=(const ScopedResolution&) = delete;
  ~ScopedResolution();

 private:
  DWORD previous_;
};

// The colour of one pixel on the screen.
COLORREF ScreenPixel(POINT point);

}  // namespace e2e
