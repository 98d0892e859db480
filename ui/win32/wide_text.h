// UTF-16 texts between the program's std::u16string and the API's wchar_t,
// which is UTF-16 on Windows too; the copy keeps the code free of aliasing.
#pragma once

#include <string>
#include <string_view>

namespace win32 {

inline std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

inline std::u16string FromWide(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace win32
