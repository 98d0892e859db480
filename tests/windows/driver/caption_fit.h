// Whether the fonts that this desktop gives the window let every caption
// show whole, at 96 and at 144 dots per inch.
#pragma once

namespace e2e {

void CheckCaptionsFit();

}  // namespace e2e
