#include "core/model/opcje.h"

#include <algorithm>

#include "core/model/wspolne.h"

namespace velmor {

TOpcje::TOpcje() {
  for (const TOpisOpcji& o : kOpcje) Ustaw(o.Opcja, o.Domyslnie);
}

TOpcje TOpcje::ZRekordu(const TRekord& rekord) {
  TOpcje o;
  o.bajty_ = rekord;
  return o;
}

void TOpcje::UstawLimitSekund(int sekundy) {
  if (sekundy == LimitSekund()) return;
  bajty_[6] = static_cast<uint8_t>(std::clamp(sekundy, 1, kNajwiekszyLimitSekund));
}

void TOpcje::Czytaj(TOrvelOdczyt& s, int rodzaj) {
  if (rodzaj != kRodzajPlanDyzurow) return;
  TRekord bajty;
  if (s.Read(bajty.data(), bajty.size()) == bajty.size()) bajty_ = bajty;
}

}  // namespace velmor
