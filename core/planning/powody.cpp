#include "core/planning/powody.h"

#include "core/planning/oceniacz.h"

namespace velmor {
namespace {

int* Licznik(TPowodyPustej& p, int komunikat) {
  switch (komunikat) {
    case kKomunikatZakaz: return &p.Zakaz;
    case kKomunikatLimitDyzurow: return &p.LimitDyzurow;
    case kKomunikatLimitMinut: return &p.LimitMinut;
    case kKomunikatZajety: return &p.Zajety;
    case kKomunikatDlugaZajeta: return &p.DlugaZajeta;
    default: return &p.NieMaWSzkole;
  }
}

}  // namespace

TPowodyPustej PowodyPustej(const TModele& m, int r, int k, const TZasadyOceny& z) {
  TPowodyPustej p;
  TZasadyOceny automatycznie = z;
  automatycznie.Automatycznie = true;
  TOceniacz oceniacz(m);
  oceniacz.Przygotuj(k);
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    const TWariant w = oceniacz.Ocen(t, r, k, automatycznie);
    if (Wykluczony(w)) {
      ++*Licznik(p, w.komunikat);
    } else if (Czysty(w)) {
      ++p.Czysci;
    } else {
      ++p.ZZastrzezeniem;
      if (w.moc > p.MocNajlepszego) {
        p.MocNajlepszego = w.moc;
        p.NajlepszyZastrzezony = t;
      }
    }
  }
  return p;
}

}  // namespace velmor
