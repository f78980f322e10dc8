#include "core/grid/naglowki.h"

namespace velmor {

std::string NazwaKolumny(int poz) {
  const int wyzsza = poz / 26;
  std::string nazwa(2, ' ');
  if (wyzsza != 0) nazwa[0] = static_cast<char>(64 + wyzsza);
  nazwa[1] = static_cast<char>(65 + poz % 26);
  return nazwa;
}

std::string NumerWiersza(int poz) { return std::to_string(static_cast<long long>(poz) + 1); }

}  // namespace velmor
