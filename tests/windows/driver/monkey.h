// Random use of the window, for a fault that no planned case finds.
#pragma once

#include <string>

namespace e2e {

// Types, pastes (up to 10 MB) and clicks "Вычислить" and "_" at random,
// dismissing each message box; the program must stay alive and answer
// within a second throughout, and still calculate radius 2 at the end.
// The same seed makes the same run.
void Monkey(const std::wstring& program, unsigned seed);

}  // namespace e2e
