#include "ui/win32/fonts.h"

#include <algorithm>
#include <system_error>

#include "ui/twips.h"

namespace win32 {
namespace {

UniqueFont CreateFontOrThrow(const LOGFONTW& description) {
  UniqueFont font(CreateFontIndirectW(&description));
  if (!font) throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateFont");
  return font;
}

}  // namespace

UniqueFont CreateDeclaredFont(const ui::FontSpec& spec, int dpi) {
  LOGFONTW description{};
  // A negative height asks for the character height, which is what a size
  // in points measures.
  description.lfHeight = -ui::PointsToPixels(spec.points, dpi);
  description.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  description.lfItalic = spec.italic;
  description.lfCharSet = static_cast<BYTE>(spec.charset);
  description.lfOutPrecision = OUT_DEFAULT_PRECIS;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const auto face = spec.face.substr(0, std::size(description.lfFaceName) - 1);
  std::copy(face.begin(), face.end(), description.lfFaceName);
  return CreateFontOrThrow(description);
}

UniqueFont CreateMessageFont(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                  static_cast<UINT>(dpi))) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "SystemParametersInfoForDpi");
  }
  return CreateFontOrThrow(metrics.lfMessageFont);
}

}  // namespace win32
