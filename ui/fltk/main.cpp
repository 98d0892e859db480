// circlecalc on X11: the calculator window, drawn with FLTK.
#include <FL/Fl.H>

#include <clocale>

#include "ui/fltk/compose_table.h"
#include "ui/fltk/fonts.h"
#include "ui/fltk/form_window.h"
#include "ui/fltk/locale_number_format.h"
#include "ui/fltk/screen_resolution.h"

int main() {
  std::setlocale(LC_ALL, "");
  ui::fltk::LeaveOutLocaleComposeTable();
  const calc::NumberFormat number_format = ui::fltk::LocaleNumberFormat();
  const int dpi = ui::fltk::ScreenDpi();
  // The selection colour, which paints the window, from the desktop's resources.
  Fl::get_system_colors();
  ui::fltk::UseDialogFontForTooltipsAndMessages(dpi);

  ui::fltk::FormWindow form(dpi, number_format);
  form.ShowInPlace();
  return Fl::run();
}
