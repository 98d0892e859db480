// The version record and the icon images in circlecalc.exe.
#pragma once

#include <string>

namespace e2e {

void CheckVersionRecord(const std::wstring& program);
void CheckIconImages(const std::wstring& program);

}  // namespace e2e
