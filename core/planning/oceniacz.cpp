#include "core/planning/oceniacz.h"

#include <algorithm>

namespace velmor {

TOceniacz::TOceniacz(const TModele& m)
    : m_(m), o_(m), obc_(o_.policz_obciazenia()), n_(m.Nauczyciele.Liczba()) {
  ZbierzLekcje();
  ZbierzRejony();
  ZbierzObecnych();
  ZbierzDyzury();
}

size_t TOceniacz::Ind(int t, int s) const {
  return static_cast<size_t>(s) * static_cast<size_t>(n_) + static_cast<size_t>(t);
}

void TOceniacz::ZbierzLekcje() {
  const int sloty = m_.Dyzury.LiczbaMomentow();
  lekcja_.assign(static_cast<size_t>(n_ * sloty), 0);
  zakaz_.assign(static_cast<size_t>(n_ * sloty), 0);
  sala_.assign(static_cast<size_t>(n_ * sloty), kBrak);
  for (int t = 0; t < n_; ++t) {
    limity_.emplace_back(m_.Nauczyciele[t].LimitDyzurow, m_.Nauczyciele[t].LimitMinut);
    const TDysp& d = m_.Nauczyciele[t].Dyspozycja;
    for (int s = 0; s < sloty; ++s) {
      lekcja_[Ind(t, s)] = o_.MaLekcje(t, s);
      zakaz_[Ind(t, s)] = s < d.Liczba() && d[s].Zakaz != 0;
      sala_[Ind(t, s)] = o_.SalaLekcji(t, s);
    }
  }
}

void TOceniacz::ZbierzRejony() {
  // Only rooms that exist: a lesson without a room reads as kBrak, which a
  // region may list as an entry past the room list.
  std::array<std::vector<int>, 256> rejonySali;
  for (int r = 0; r < m_.Rejony.Liczba(); ++r) {
    auto& sale = saleRejonu_.emplace_back();
    sale.fill(false);
    for (uint8_t x : m_.Rejony[r].SaleRejonu.Elementy())
      if (m_.Sale.Istnieje(x) && !sale[x]) sale[x] = true, rejonySali[x].push_back(r);
    bezSal_.push_back(std::find(sale.begin(), sale.end(), true) == sale.end());
  }
  // Counted first, then placed, teachers in order within each (slot, region).
  const size_t rejonow = static_cast<size_t>(m_.Rejony.Liczba());
  const int sloty = m_.Dyzury.LiczbaMomentow();
  poczatek_.assign(static_cast<size_t>(sloty) * rejonow + 1, 0);
  const auto kazdy = [&](auto&& f) {
    for (int s = 0; s < sloty; ++s)
      for (int t = 0; t < n_; ++t)
        if (lekcja_[Ind(t, s)])
          for (int r : rejonySali[sala_[Ind(t, s)]])
            f(static_cast<size_t>(s) * rejonow + static_cast<size_t>(r), t);
  };
  kazdy([&](size_t k, int) { ++poczatek_[k + 1]; });
  for (size_t k = 1; k < poczatek_.size(); ++k) poczatek_[k] += poczatek_[k - 1];
  wRejonie_.resize(poczatek_.back());
  std::vector<uint32_t> dalej(poczatek_.begin(), poczatek_.end() - 1);
  kazdy([&](size_t k, int t) { wRejonie_[dalej[k]++] = static_cast<uint8_t>(t); });
}

void TOceniacz::ZbierzObecnych() {
  const int momenty = m_.Dyzury.LiczbaMomentow();
  poczatekObecnych_.assign(static_cast<size_t>(momenty) + 1, 0);
  for (int m = 0; m < momenty; ++m) {
    const int przed = o_.SlotPrzed(m);
    for (int t = 0; t < n_; ++t)
      if (!zakaz_[Ind(t, m)] && (lekcja_[Ind(t, m)] || (przed >= 0 && lekcja_[Ind(t, przed)])))
        obecni_.push_back(static_cast<uint8_t>(t));
    poczatekObecnych_[static_cast<size_t>(m) + 1] = static_cast<uint32_t>(obecni_.size());
  }
}

std::span<const uint8_t> TOceniacz::Obecni(int m) const {
  const uint32_t od = poczatekObecnych_[static_cast<size_t>(m)];
  return std::span(obecni_).subspan(od, poczatekObecnych_[static_cast<size_t>(m) + 1] - od);
}

// Duties per moment, and long-break duties per day: the moments of a day's
// periods that are long breaks.
void TOceniacz::ZbierzDyzury() {
  const int momenty = m_.Dyzury.LiczbaMomentow();
  dyzuryMomentu_.assign(static_cast<size_t>(n_ * momenty), 0);
  dlugieDnia_.assign(m_.Dni.Dni.size() * static_cast<size_t>(n_), 0);
  dzienDlugiego_.assign(static_cast<size_t>(momenty), -1);
  for (int d = 0; d < static_cast<int>(m_.Dni.Dni.size()); ++d)
    for (int p = 0; p < static_cast<int>(m_.Dni.Dni[static_cast<size_t>(d)].Godziny.size()); ++p) {
      const int k = m_.Dni.Slot(d, p);
      if (k < m_.Momenty.Liczba() && k < momenty && m_.Momenty[k].Dluga)
        dzienDlugiego_[static_cast<size_t>(k)] = d;
    }
  for (int k = 0; k < momenty; ++k)
    for (uint8_t t : m_.Dyzury.Wiersz(k).Elementy()) Zmiana(k, kBrak, t, false);
}

void TOceniacz::Przygotuj(int m) {
  const bool dlugi = m < m_.Momenty.Liczba() && m_.Momenty[m].Dluga;
  dzienMomentu_ = dlugi && !m_.Dni.Dni.empty() ? m_.Dni.DzienILekcja(m).first : -1;
  minutyMomentu_ = m < m_.Momenty.Liczba() ? m_.Momenty[m].Minuty : 0;
  sPrzed_ = o_.SlotPrzed(m);
  nastepny_ =
      m + 1 < m_.Momenty.Liczba() && m + 1 < m_.Dyzury.LiczbaMomentow() && o_.TenSamDzien(m, m + 1);
}

TFaktyKandydata TOceniacz::Fakty(int t, int r, int m, const TZasadyOceny& z) const {
  TFaktyKandydata f;
  f.Zakaz = zakaz_[Ind(t, m)];
  f.Dyzury = obc_.Dyzury[static_cast<size_t>(t)];
  f.Minuty = obc_.Minuty[static_cast<size_t>(t)];
  f.LimitDyzurow = limity_[static_cast<size_t>(t)].first;
  f.LimitMinut = limity_[static_cast<size_t>(t)].second;
  f.MinutyMomentu = minutyMomentu_;
  f.Zajety = dyzuryMomentu_[Ind(t, m)] > 0;
  f.DlugaZajeta = dzienMomentu_ >= 0 && dlugieDnia_[Ind(t, dzienMomentu_)] > 0;
  if (ObecnoscPotrzebna(f, z)) f.Kod = Kod(t, r, m);
  return f;
}

TWariant TOceniacz::Ocen(int t, int r, int m, const TZasadyOceny& z) const {
  TWariant w;
  w.nauczyciel = static_cast<uint8_t>(t);
  w.moc = ocen_kandydata(Fakty(t, r, m, z), z, w.komunikat, w.zastrzezenie);
  return w;
}

void TOceniacz::Zmiana(int m, uint8_t stary, uint8_t nowy) { Zmiana(m, stary, nowy, true); }

void TOceniacz::Zmiana(int m, uint8_t stary, uint8_t nowy, bool obciazenia) {
  const int minuty = m < m_.Momenty.Liczba() ? m_.Momenty[m].Minuty : 0;
  const int dzien = dzienDlugiego_[static_cast<size_t>(m)];
  const auto dodaj = [&](uint8_t t, int ile) {
    if (t >= n_) return;
    if (obciazenia) obc_.Dyzury[t] += ile, obc_.Minuty[t] += ile * minuty;
    dyzuryMomentu_[Ind(t, m)] += ile;
    if (dzien >= 0) dlugieDnia_[Ind(t, dzien)] += ile;
  };
  dodaj(stary, -1);
  dodaj(nowy, 1);
}

std::span<const uint8_t> TOceniacz::WRejonie(int r, int s) const {
  if (s < 0) return {};
  const size_t k =
      static_cast<size_t>(s) * static_cast<size_t>(m_.Rejony.Liczba()) + static_cast<size_t>(r);
  return std::span(wRejonie_).subspan(poczatek_[k], poczatek_[k + 1] - poczatek_[k]);
}

TObecnosc TOceniacz::Kod(int t, int r, int m) const {
  const bool przed = sPrzed_ >= 0 && lekcja_[Ind(t, sPrzed_)];
  const bool po = lekcja_[Ind(t, m)];
  const auto& sale = saleRejonu_[static_cast<size_t>(r)];
  const bool wPrzed = przed && sale[sala_[Ind(t, sPrzed_)]];
  const bool wPo = po && sale[sala_[Ind(t, m)]];
  return KodObecnosci(przed, po, bezSal_[static_cast<size_t>(r)], wPrzed, wPo,
                      wPrzed && m_.Dyzury.Dyzurny(r, m - 1) == t,
                      wPo && nastepny_ && m_.Dyzury.Dyzurny(r, m + 1) == t);
}

}  // namespace velmor
