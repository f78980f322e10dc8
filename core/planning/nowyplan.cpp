#include "core/planning/nowyplan.h"

namespace velmor {

TKsztaltPlanu TKsztaltPlanu::Z(const TModele& m) {
  TKsztaltPlanu k{m.Dni.LiczbaSlotow(), m.Rejony.Liczba(), m.Nauczyciele.Liczba(), {}};
  for (const TDzien& d : m.Dni.Dni) k.Lekcje.push_back(static_cast<int>(d.Godziny.size()));
  return k;
}

int TKsztaltPlanu::PoprzedniSlot(const TDni& dni, int s) const {
  const auto [d, p] = dni.DzienILekcja(s);
  if (d >= static_cast<int>(Lekcje.size()) || p >= Lekcje[static_cast<size_t>(d)]) return kBrakSlotu;
  int k = p;
  for (int i = 0; i < d; ++i) k += Lekcje[static_cast<size_t>(i)];
  return k;
}

TPolaPrzeniesienia TPolaPrzeniesienia::Z(const TKsztaltPlanu& przed, const TModele& teraz) {
  TPolaPrzeniesienia p;
  const bool teSameSloty = teraz.Dni.LiczbaSlotow() == przed.Sloty;
  const bool teSameRejony = teraz.Rejony.Liczba() == przed.Rejony;
  p.Dostepne[kPrzeniesMomenty] = przed.Sloty > 0;
  p.Zaznaczone[kPrzeniesMomenty] = p.Dostepne[kPrzeniesMomenty] && teSameSloty;
  p.Dostepne[kPrzeniesRejony] = przed.Rejony > 0;
  p.Zaznaczone[kPrzeniesRejony] = p.Dostepne[kPrzeniesRejony] && teSameRejony;
  p.Dostepne[kPrzeniesLimity] = przed.Nauczyciele > 0;
  p.Zaznaczone[kPrzeniesLimity] =
      p.Dostepne[kPrzeniesLimity] && teraz.Nauczyciele.Liczba() == przed.Nauczyciele;
  p.Dostepne[kPrzeniesPlan] = p.Dostepne[0] || p.Dostepne[1] || p.Dostepne[2];
  p.Zaznaczone[kPrzeniesPlan] = p.Dostepne[kPrzeniesPlan] && teSameSloty && teSameRejony;
  return p;
}

void PrzebudujPlan(TModele& m, const TKsztaltPlanu& przed, const std::array<bool, 4>& przenies) {
  if (przenies[kPrzeniesRejony]) {
    for (TRejon& r : m.Rejony)
      for (int i = r.SaleRejonu.Liczba() - 1; i >= 0; --i)
        if (r.SaleRejonu[i] >= m.Sale.Liczba()) r.SaleRejonu.UsunZ(i);
  } else {
    m.Rejony.ZmienRozmiar(0);
  }
  if (!przenies[kPrzeniesLimity])
    for (TNaucz& n : m.Nauczyciele) n.LimitDyzurow = n.LimitMinut = 0;

  const TMomenty stareMomenty = m.Momenty;
  const TDyzury staraTabela = m.Dyzury;
  const int sloty = m.Dni.LiczbaSlotow(), rejony = m.Rejony.Liczba();
  m.Momenty.ZmienRozmiar(0);
  m.Momenty.ZmienRozmiar(sloty);
  m.Dyzury.ZmienRozmiar(rejony, sloty);
  m.Dyzury.UstawWszystkie(kBrak);

  // Only what really exists in the kept lists is copied: after a timetable
  // read without a rebuild they may be shorter than the previous shape.
  for (int s = 0; s < sloty; ++s) {
    const int k = przed.PoprzedniSlot(m.Dni, s);
    if (k == kBrakSlotu) continue;
    if (przenies[kPrzeniesMomenty] && k < stareMomenty.Liczba()) m.Momenty[s] = stareMomenty[k];
    if (!przenies[kPrzeniesPlan] || k >= staraTabela.LiczbaMomentow()) continue;
    for (int r = 0; r < rejony && r < staraTabela.LiczbaRejonow(); ++r) {
      const uint8_t t = staraTabela.Dyzurny(r, k);
      m.Dyzury.UstawDyzurnego(r, s, t < m.Nauczyciele.Liczba() ? t : kBrak);
    }
  }
}

}  // namespace velmor
