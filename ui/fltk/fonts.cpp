#include "ui/fltk/fonts.h"

#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>
#include <FL/fl_ask.H>

#include <deque>
#include <string>
#include <utility>

#include "ui/fltk/utf16_text.h"
#include "ui/twips.h"

namespace ui::fltk {
namespace {

// X desktops have no MS Sans Serif. Liberation Sans covers Cyrillic and is
// narrow enough that every caption fits its control, which the wider
// default DejaVu Sans does not ("Вычислить" in 65 pixels).
constexpr std::u16string_view kMissingFace = u"MS Sans Serif";
constexpr std::string_view kSubstituteFace = "Liberation Sans";

// The dialog font of the desktop the window was drawn for.
constexpr FontSpec kDialogFont{kMissingFace, 8.25, false, false, kCyrillicCharset};

// Xft names carry the style as a first character: ' ' regular, 'B' bold,
// 'I' italic, 'P' bold italic.
std::string XftName(const FontSpec& font) {
  const char style = font.bold ? (font.italic ? 'P' : 'B') : (font.italic ? 'I' : ' ');
  const std::string face = font.face == kMissingFace ? std::string(kSubstituteFace) : ToUtf8(font.face);
  return style + face;
}

// FLTK keeps the name's pointer, so names live as long as the program, and
// each face is registered once.
Fl_Font RegisteredFace(std::string name) {
  static std::deque<std::pair<std::string, Fl_Font>> faces;
  for (const auto& [known, face] : faces) {
    if (known == name) return face;
  }
  const auto face = static_cast<Fl_Font>(FL_FREE_FONT + faces.size());
  faces.emplace_back(std::move(name), face);
  Fl::set_font(face, faces.back().first.c_str());
  return face;
}

}  // namespace

PixelFont FontFor(const std::optional<FontSpec>& font, int dpi) {
  const FontSpec& spec = font.value_or(kDialogFont);
  return {RegisteredFace(XftName(spec)), PointsToPixels(spec.points, dpi)};
}

PixelFont DialogFont(int dpi) { return FontFor(std::nullopt, dpi); }

void UseDialogFontForTooltipsAndMessages(int dpi) {
  const PixelFont font = DialogFont(dpi);
  Fl_Tooltip::font(font.face);
  Fl_Tooltip::size(font.size);
  fl_message_font(font.face, font.size);
}

}  // namespace ui::fltk
