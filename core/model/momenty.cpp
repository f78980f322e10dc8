#include "core/model/momenty.h"

#include "core/archive/bledy.h"
#include "core/archive/napisy.h"

namespace velmor {

void TMomenty::Czytaj(TOrvelOdczyt& s, int rodzaj, int liczbaSlotow) {
  if (rodzaj != kRodzajPlanDyzurow) return;
  // A moment record takes at least 7 bytes.
  if (int64_t{liczbaSlotow} * 7 > s.Pozostalo()) throw EStrumien("za mało momentów w pliku");
  el_.assign(static_cast<size_t>(liczbaSlotow), TMoment{});
  for (TMoment& m : el_) {
    CzytajNapis(s, m.Nazwa);
    m.Minuty = s.CzytajBajt();
    m.Dluga = s.CzytajBajt();
    m.Kolor = static_cast<uint32_t>(s.CzytajI32());
  }
}

void TMomenty::Zapisz(TOrvelZapis& s) const {
  for (const TMoment& m : el_) {
    ZapiszNapis(s, m.Nazwa);
    s.ZapiszBajt(m.Minuty);
    s.ZapiszBajt(m.Dluga);
    s.ZapiszI32(static_cast<int32_t>(m.Kolor));
  }
}

}  // namespace velmor
