#include "core/planning/powody.h"

#include <stdexcept>
#include <string>

#include "core/archive/cp1250.h"
#include "core/planning/oceniacz.h"

namespace velmor {
namespace {

// The count of the rule that excluded a teacher. Every message is named
// here (no default): a new one is given its count, or the build fails.
int& Licznik(TPowodyPustej& p, TKomunikat komunikat) {
  switch (komunikat) {
    case kKomunikatZakaz: return p.Zakaz;
    case kKomunikatLimitDyzurow: return p.LimitDyzurow;
    case kKomunikatLimitMinut: return p.LimitMinut;
    case kKomunikatZajety: return p.Zajety;
    case kKomunikatDlugaZajeta: return p.DlugaZajeta;
    case kKomunikatNieMaWSzkole: return p.NieMaWSzkole;
    case kKomunikatMusiZostac:
    case kKomunikatMusiPrzyjsc:
    case kKomunikatPozaRejonem:
    case kKomunikatPozaRejonemZostac:
    case kKomunikatPozaRejonemPrzyjsc:
    case kBezKomunikatu: break;  // these exclude nobody
  }
  throw std::logic_error("wykluczenie bez licznika: " + std::to_string(komunikat));
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
      ++Licznik(p, static_cast<TKomunikat>(w.komunikat));
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

std::string OpisPowodow(const TModele& m, const TPowodyPustej& p) {
  const std::pair<const char*, int> liczniki[] = {
      {"kandydaci bez zastrzeżeń", p.Czysci}, {"zakaz", p.Zakaz},
      {"limit dyżurów", p.LimitDyzurow},      {"limit czasu", p.LimitMinut},
      {"akurat ma dyżur", p.Zajety},          {"już ma długą przerwę", p.DlugaZajeta},
      {"nie ma w szkole", p.NieMaWSzkole},
  };
  std::string opis;
  for (const auto& [nazwa, ile] : liczniki) {
    if (ile == 0) continue;
    if (!opis.empty()) opis += ", ";
    opis += nazwa + std::string(" ") + std::to_string(ile);
  }
  if (p.ZZastrzezeniem > 0) {
    opis += (opis.empty() ? "" : "; ") + std::string("z zastrzeżeniem ") +
            std::to_string(p.ZZastrzezeniem);
    if (m.Nauczyciele.Istnieje(p.NajlepszyZastrzezony))
      opis +=
          " (najlepszy: " + Cp1250DoUtf8(m.Nauczyciele[p.NajlepszyZastrzezony].NazwaNauczyciela()) +
          ")";
  }
  return opis.empty() ? "brak nauczycieli" : opis;
}

}  // namespace velmor
