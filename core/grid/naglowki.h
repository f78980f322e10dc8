#pragma once
// Default header texts of a grid without header callbacks.
#include <string>

namespace velmor {

// Two characters for data column `poz`: a space or the letter 64 + poz / 26,
// then the letter 65 + poz % 26 (" A" .. " Z", "AA", "AB", ...). Past "Z?"
// the first byte keeps the same arithmetic and wraps.
std::string NazwaKolumny(int poz);

// Data row `poz` counted from 1.
std::string NumerWiersza(int poz);

}  // namespace velmor
