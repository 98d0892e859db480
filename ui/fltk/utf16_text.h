// FLTK speaks UTF-8 and the shared code UTF-16; every text crosses here.
#pragma once

#include <string>
#include <string_view>

namespace ui::fltk {

std::string ToUtf8(std::u16string_view text);
std::u16string ToUtf16(std::string_view text);

}  // namespace ui::fltk
