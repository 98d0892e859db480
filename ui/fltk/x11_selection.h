// Reading an X selection whole. FLTK 1.3 cannot take a selection that its
// owner hands over in pieces (INCR, which owners use above about 1 MB): it
// drops such a paste or crashes on it. The text box pastes through here.
#pragma once

#include <optional>
#include <string>

namespace ui::fltk {

enum class Selection { kClipboard, kPrimary };

// The text the selection holds, in UTF-8; nothing when no program holds
// it, it holds no text, or its owner stops answering for two seconds.
std::optional<std::string> ReadSelection(Selection selection);

}  // namespace ui::fltk
