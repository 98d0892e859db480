#include "desktop_settings.h"

#include "expect.h"

namespace e2e {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kFontsKey[] = L"Software\\Fonts";

void SetLogPixels(DWORD dpi) {
  Require(RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &dpi, sizeof(dpi)) ==
              ERROR_SUCCESS,
          "LogPixels is set for the user");
  Require(RegSetKeyValueW(HKEY_CURRENT_CONFIG, kFontsKey, L"LogPixels", REG_DWORD, &dpi, sizeof(dpi)) ==
              ERROR_SUCCESS,
          "LogPixels is set for the display");
}

}  // namespace

ScopedResolution::ScopedResolution(DWORD dpi) : previous_(96) {
  DWORD size = sizeof(previous_);
  RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &previous_, &size);
  SetLogPixels(dpi);
}

ScopedResolution::~ScopedResolution() { SetLogPixels(previous_); }

COLORREF ScreenPixel(POINT point) {
  const HDC screen = GetDC(nullptr);
  const COLORREF color = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return color;
}

}  // namespace e2e
