#include "caption_fit.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "expect.h"
#include "ui/layout.h"
#include "ui/twips.h"
#include "ui/win32/fonts.h"

namespace e2e {
namespace {

struct MemoryDcTraits {
  using Handle = HDC;
  static void Close(HDC dc) { DeleteDC(dc); }
};

// Buttons and the text box lose two pixels a side to their edges and one
// more to the space inside them (at 96 dots per inch).
int Inset(const ui::ControlSpec& control, int dpi) {
  return control.kind == ui::ControlKind::kLabel ? 0 : MulDiv(3, dpi, 96);
}

}  // namespace

void CheckCaptionsFit() {
  const win32::UniqueHandle<MemoryDcTraits> dc(CreateCompatibleDC(nullptr));
  Require(static_cast<bool>(dc), "a memory device context");
  for (const int dpi : {96, 144}) {
    const win32::UniqueFont message_font = win32::CreateMessageFont(dpi);
    for (const ui::ControlSpec& control : ui::kForm1.controls) {
      const win32::UniqueFont declared =
          control.font ? win32::CreateDeclaredFont(*control.font, dpi) : win32::UniqueFont{};
      const HGDIOBJ previous = SelectObject(dc.get(), control.font ? declared.get() : message_font.get());
      const std::wstring text(control.text.begin(), control.text.end());
      RECT extent{};
      DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent,
                DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
      wchar_t face[LF_FACESIZE]{};
      GetTextFaceW(dc.get(), LF_FACESIZE, face);
      SelectObject(dc.get(), previous);

      const ui::PixelRect box = ui::ToPixels(control.rect, dpi);
      const int inset = Inset(control, dpi);
      const std::string what =
          std::string(control.name) + " at " + std::to_string(dpi) + " dpi in " + Utf8(face) + ": caption " +
          std::to_string(extent.right) + "x" + std::to_string(extent.bottom) + " px, room " +
          std::to_string(box.width - 2 * inset) + "x" + std::to_string(box.height - 2 * inset) + " px";
      std::printf("%s\n", what.c_str());
      Expect(extent.right <= box.width - 2 * inset && extent.bottom <= box.height - 2 * inset, what);
    }
  }
}

}  // namespace e2e
