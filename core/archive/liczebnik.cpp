#include "core/archive/liczebnik.h"

#include <cstdlib>

namespace velmor {

std::string Liczebnik(int n, const char* jeden, const char* kilka, const char* wiele) {
  const int m = std::abs(n);
  const bool kilku = m % 10 >= 2 && m % 10 <= 4 && (m % 100 < 12 || m % 100 > 14);
  return std::to_string(n) + " " + (m == 1 ? jeden : kilku ? kilka : wiele);
}

}  // namespace velmor
