#include "core/model/opcje.h"

#include "core/model/wspolne.h"

namespace velmor {

void TOpcje::Czytaj(TOrvelOdczyt& s, int rodzaj) {
  if (rodzaj != kRodzajPlanDyzurow) return;
  std::array<uint8_t, 16> bajty;
  if (s.Read(bajty.data(), bajty.size()) == bajty.size()) Bajty = bajty;
}

}  // namespace velmor
