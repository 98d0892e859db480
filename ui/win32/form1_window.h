// The calculator's window on Win32: the declared layout rendered as native
// controls, and button clicks routed to the shared commands.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "ui/commands.h"
#include "ui/layout.h"
#include "ui/win32/unique_handle.h"

namespace win32 {

class Form1Window final : public ui::CalculatorWindow {
 public:
  // Creates the window and its controls, hidden, at the declared place.
  explicit Form1Window(HINSTANCE instance);
  // The window procedure keeps a pointer to this object.
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;
  ~Form1Window() = default;

  HWND handle() const { return window_.get(); }
  // Shows the window with the keyboard focus in the first control of the
  // tab order.
  void Show(int show_command);

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  std::u16string Text1() const override;
  void SetText1(std::u16string_view text) override;
  calc::NumberFormat UserNumberFormat() const override { return number_format_; }
  void EndProgram() override;

 private:
  static constexpr std::size_t kControlCount = ui::kForm1.controls.size();

  void CreateControls(HINSTANCE instance);
  void CreateTooltips(HINSTANCE instance);
  // Places the window and its controls and sets their fonts for `dpi`.
  void ApplyDpi(int dpi);
  HWND Control(std::string_view name) const;

  void OnCommand(HWND control);
  HBRUSH OnControlColor(HDC device_context, HWND control) const;
  void OnActivate(bool active);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnSystemColorChange();
  void ShowFailure(const std::exception_ptr& failure) const;

  // The fonts are declared before the window so that they outlive the
  // controls that draw with them.
  UniqueFont message_font_;
  std::array<UniqueFont, kControlCount> declared_fonts_;
  UniqueWindow window_;
  // Children and the tooltip window belong to `window_`, which destroys
  // them; these are the handles by layout index.
  std::array<HWND, kControlCount> controls_{};
  HWND tooltips_ = nullptr;
  HWND focus_ = nullptr;
  // Read from the user's locale once, at start.
  const calc::NumberFormat number_format_;
};

}  // namespace win32
