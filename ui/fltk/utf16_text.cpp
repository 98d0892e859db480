#include "ui/fltk/utf16_text.h"

#include <FL/fl_utf8.h>

#include <vector>

namespace ui::fltk {
namespace {

constexpr bool IsLeadSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsTrailSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::string ToUtf8(std::u16string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  char encoded[4];
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned code_point = text[i];
    if (IsLeadSurrogate(text[i]) && i + 1 < text.size() && IsTrailSurrogate(text[i + 1])) {
      code_point = 0x10000 + ((code_point - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
      ++i;
    } else if (IsLeadSurrogate(text[i]) || IsTrailSurrogate(text[i])) {
      code_point = 0xFFFD;  // a lone surrogate has no UTF-8 form
    }
    utf8.append(encoded, static_cast<std::size_t>(fl_utf8encode(code_point, encoded)));
  }
  return utf8;
}

std::u16string ToUtf16(std::string_view text) {
  const auto length = static_cast<unsigned>(text.size());
  const unsigned needed = fl_utf8toUtf16(text.data(), length, nullptr, 0);
  // FLTK writes unsigned short, which may not alias char16_t.
  std::vector<unsigned short> units(needed + 1);
  fl_utf8toUtf16(text.data(), length, units.data(), needed + 1);
  return std::u16string(units.begin(), units.begin() + needed);
}

}  // namespace ui::fltk
