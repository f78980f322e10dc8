#include "core/planning/wpis.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <span>

#include "core/planning/oceniacz.h"

namespace velmor {
namespace {

// Whether a comes before b in the list sorted by score, teacher order
// breaking ties as the stable sort keeps it.
bool Lepszy(const TWariant& a, const TWariant& b) {
  return PrzedWgMocy(a, b) || (!PrzedWgMocy(b, a) && a.nauczyciel < b.nauczyciel);
}

// The best record a teacher without a lesson in the region's rooms right
// before or after the break can get: nothing excludes him and his code is
// one he can still have.
TWariant NajlepszyPozaRejonem(bool bezSal, bool dlugi, const TZasadyOceny& z) {
  static constexpr TObecnosc kKodyBezSal[] = {kObecnoscBrak, kObecnoscBezSal},
                             kKodyZSalami[] = {kObecnoscBrak, kObecnoscPoPozaRejonem,
                                               kObecnoscPrzedPozaRejonem, kObecnoscObiePozaRejonem};
  const auto kody =
      bezSal ? std::span<const TObecnosc>(kKodyBezSal) : std::span<const TObecnosc>(kKodyZSalami);
  TWariant najlepszy;
  najlepszy.moc = std::numeric_limits<int32_t>::min();
  for (TObecnosc kod : kody)
    for (bool dluga : {false, dlugi}) {
      TFaktyKandydata f;
      f.LimitDyzurow = f.LimitMinut = std::numeric_limits<int>::max();
      f.Kod = kod;
      f.DlugaZajeta = dluga;
      TWariant w;
      w.moc = ocen_kandydata(f, z, w.komunikat, w.zastrzezenie);
      if (PrzedWgMocy(w, najlepszy)) najlepszy = w;
    }
  return najlepszy;
}

// The unattended choice for a cell, found without judging every teacher:
// only those with a lesson in the region around the break can beat the
// rest. Only a clean record is entered: in a region with rooms nobody
// outside it can be clean, and a clean record (score 20 and up) ranks above
// theirs (at most 0), so they are never judged. Otherwise those present at
// the moment are judged in turn only until nobody left can come first.
class TWyborBezListy {
 public:
  TWyborBezListy(const TOceniacz& o, const TZasadyOceny& z) : o_(o), z_(z) {
    for (int bezSal = 0; bezSal < 2; ++bezSal)
      for (int dlugi = 0; dlugi < 2; ++dlugi)
        granica_[bezSal][dlugi] = NajlepszyPozaRejonem(bezSal, dlugi, z);
  }

  int Wybierz(int r, int m, uint8_t stary) const {
    std::optional<TWariant> wRejonie;
    for (int s : {o_.SlotPrzed(), m})
      for (uint8_t t : o_.WRejonie(r, s)) Rozwaz(wRejonie, t, r, m, stary);
    const TWariant& granica = granica_[o_.BezSal(r)][o_.DlugiMoment()];
    if (!Czysty(granica) || (wRejonie && PrzedWgMocy(*wRejonie, granica))) return Decyzja(wRejonie);
    // Nobody ranks above the bound now, so the first record reaching it wins.
    std::optional<TWariant> najlepszy;
    for (uint8_t t : o_.Obecni(m)) {
      if (o_.NaLimicie(t)) continue;
      Rozwaz(najlepszy, t, r, m, stary);
      if (najlepszy && !PrzedWgMocy(granica, *najlepszy)) break;
    }
    return Decyzja(najlepszy);
  }

 private:
  void Rozwaz(std::optional<TWariant>& najlepszy, int t, int r, int m, uint8_t stary) const {
    if (t == stary) return;
    const TWariant w = o_.Ocen(t, r, m, z_);
    if (!najlepszy || Lepszy(w, *najlepszy)) najlepszy = w;
  }

  static int Decyzja(const std::optional<TWariant>& w) {
    if (!w || !Czysty(*w)) return kBezWyboru;
    return w->nauczyciel;
  }

  const TOceniacz& o_;
  const TZasadyOceny& z_;
  TWariant granica_[2][2];  // by region without rooms, long break
};

// The last cell of the run that is not closed; (-1, -1) when none is.
std::pair<int, int> OstatniaOtwarta(const TObszar& o, const TDyzury& d) {
  for (int r = o.RejonDo; r >= o.RejonOd; --r)
    for (int m = o.MomentDo; m >= o.MomentOd; --m)
      if (d.Dyzurny(r, m) != kZamkniete) return {r, m};
  return {-1, -1};
}

}  // namespace

TObszar Przytnij(const TObszar& o, const TModele& m) {
  const int rejonow = std::min(m.Dyzury.LiczbaRejonow(), m.Rejony.Liczba());
  return {std::max(o.RejonOd, 0), std::min(o.RejonDo, rejonow - 1), std::max(o.MomentOd, 0),
          std::min(o.MomentDo, m.Dyzury.LiczbaMomentow() - 1)};
}

// The first record of the list sorted by score, found without sorting it:
// nobody sees the list in this manner.
int TWyborAutomatyczny::wybierz_wariant(TListaWariantow& lista) {
  return lista.Wybor(lista.Najlepszy(), false);
}

TObszar CalaTabela(const TDyzury& d) {
  return {0, d.LiczbaRejonow() - 1, 0, d.LiczbaMomentow() - 1};
}

int wpisz_warianty(TModele& modele, const TObszar& obszar, const TZasadyOceny& zasady,
                   TWyborWariantu& wybor, TListaWariantow& lista,
                   const std::function<void(int r, int m)>& poWpisie) {
  TDyzury& tabela = modele.Dyzury;
  const int n = modele.Nauczyciele.Liczba();
  TOceniacz oceniacz(modele);
  const TWyborBezListy bezListy(oceniacz, zasady);
  const TObszar o = Przytnij(obszar, modele);
  // Closed cells stay closed during a run; the last open one gets its list.
  const auto ostatnia = wybor.Nienadzorowany() ? OstatniaOtwarta(o, tabela) : std::pair{-1, -1};
  int wpisano = 0;
  for (int r = o.RejonOd; r <= o.RejonDo; ++r) {
    for (int m = o.MomentOd; m <= o.MomentDo; ++m) {
      const uint8_t stary = tabela.Dyzurny(r, m);
      if (stary == kZamkniete || (stary != kBrak && wybor.TylkoPuste())) continue;
      oceniacz.Przygotuj(m);
      int d = kBezWyboru;
      if (wybor.Nienadzorowany() && std::pair{r, m} != ostatnia) {
        d = bezListy.Wybierz(r, m, stary);
      } else {
        lista.wyczysc_warianty(m);
        for (int t = 0; t < n; ++t) {
          if (t == stary) continue;
          const TWariant w = oceniacz.Ocen(t, r, m, zasady);
          lista.dodaj_wariant(w.moc, w.nauczyciel, w.komunikat, w.zastrzezenie);
        }
        d = wybor.wybierz_wariant(lista);
        if (d == kWyborPrzerwany) return wpisano;
      }
      if (d < 0) continue;
      tabela.UstawDyzurnego(r, m, static_cast<uint8_t>(d));
      oceniacz.Zmiana(m, stary, static_cast<uint8_t>(d));
      ++wpisano;
      if (poWpisie) poWpisie(r, m);
    }
  }
  return wpisano;
}

}  // namespace velmor
