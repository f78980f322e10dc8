#pragma once
// The colour palette: seven bands (red, magenta, yellow, grey, green, cyan,
// blue), each running from dark at the top through the full colour in the
// middle to pale at the bottom.
#include <cstdint>

namespace velmor {

// The colour (0x00BBGGRR) at (x, y) of a palette client area of the given
// size; black outside the seven bands.
uint32_t daj_kolor(int x, int y, int szer, int wys);

}  // namespace velmor
