// Reads a tooltip that another process has registered for one of its
// controls.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class Program;

// The tooltip text of `control`, or empty when it has none.
std::wstring TooltipText(const Program& program, HWND control);

}  // namespace e2e
