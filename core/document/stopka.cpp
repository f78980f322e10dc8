#include "core/document/stopka.h"

namespace velmor {

void TStopka::Czytaj(TOrvelOdczyt& s, int wersjaPliku, const TProstokat& pulpit) {
  for (int i = 0; i < kLiczbaOkienStopki; ++i) {
    TZapisOkna& okno = Okna[static_cast<size_t>(i)];
    if (!CzytajOkno(s, okno.Prostokat, pulpit)) return;
    if (MaSiatke(i) && !OdczytajUstawienia(s, okno.Siatka, wersjaPliku)) return;
    if (i == kOknoPlan) {
      uint8_t bajt;
      if (s.Read(&bajt, 1) != 1) return;
      WpisujAutomatycznie = bajt != 0;
    }
  }
}

void TStopka::Zapisz(TOrvelZapis& s, int wersjaPliku) const {
  for (int i = 0; i < kLiczbaOkienStopki; ++i) {
    const TZapisOkna& okno = Okna[static_cast<size_t>(i)];
    ZapiszOkno(s, okno.Prostokat);
    if (MaSiatke(i)) zapisz2005(s, okno.Siatka, static_cast<uint8_t>(wersjaPliku));
    if (i == kOknoPlan) s.ZapiszBajt(WpisujAutomatycznie ? 1 : 0);
  }
}

}  // namespace velmor
