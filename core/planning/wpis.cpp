#include "core/planning/wpis.h"

#include <algorithm>
#include <array>

namespace velmor {
namespace {

// What the run reads over and over, taken once: the timetable does not
// change during a run, the loads are kept up to date cell by cell.
class TOceniacz {
 public:
  explicit TOceniacz(const TModele& m) : m_(m), o_(m), obc_(o_.policz_obciazenia()) {
    const int n = m.Nauczyciele.Liczba(), sloty = m.Dyzury.LiczbaMomentow();
    lekcja_.assign(static_cast<size_t>(n * sloty), 0);
    zakaz_.assign(static_cast<size_t>(n * sloty), 0);
    sala_.assign(static_cast<size_t>(n * sloty), kBrak);
    for (int t = 0; t < n; ++t) {
      limity_.emplace_back(m.Nauczyciele[t].LimitDyzurow, m.Nauczyciele[t].LimitMinut);
      const TDysp& d = m.Nauczyciele[t].Dyspozycja;
      for (int s = 0; s < sloty; ++s) {
        lekcja_[Ind(t, s)] = o_.MaLekcje(t, s);
        zakaz_[Ind(t, s)] = s < d.Liczba() && d[s].Zakaz != 0;
        sala_[Ind(t, s)] = o_.SalaLekcji(t, s);
      }
    }
    // Only rooms that exist: a lesson without a room reads as kBrak, which a
    // region may list as an entry past the room list.
    for (const TRejon& r : m.Rejony) {
      auto& sale = saleRejonu_.emplace_back();
      sale.fill(false);
      bool bezSal = true;
      for (uint8_t x : r.SaleRejonu.Elementy())
        if (m.Sale.Istnieje(x)) sale[x] = true, bezSal = false;
      bezSal_.push_back(bezSal);
    }
  }

  // Per-cell facts about the whole moment: who is busy, who has a long duty
  // that day, and the moment's neighbours.
  void Przygotuj(int m) {
    const int n = m_.Nauczyciele.Liczba();
    zajety_.assign(static_cast<size_t>(n), false);
    for (uint8_t t : m_.Dyzury.Wiersz(m).Elementy())
      if (t < n) zajety_[t] = true;
    dluga_.assign(static_cast<size_t>(n), false);
    if (m < m_.Momenty.Liczba() && m_.Momenty[m].Dluga) ZaznaczDlugieDyzury(m);
    minutyMomentu_ = m < m_.Momenty.Liczba() ? m_.Momenty[m].Minuty : 0;
    sPrzed_ = o_.SlotPrzed(m);
    nastepny_ = m + 1 < m_.Momenty.Liczba() && m + 1 < m_.Dyzury.LiczbaMomentow() &&
                o_.TenSamDzien(m, m + 1);
  }

  TFaktyKandydata Fakty(int t, int r, int m, const TZasadyOceny& z) const {
    TFaktyKandydata f;
    f.Zakaz = zakaz_[Ind(t, m)];
    f.Dyzury = obc_.Dyzury[t];
    f.Minuty = obc_.Minuty[t];
    f.LimitDyzurow = limity_[static_cast<size_t>(t)].first;
    f.LimitMinut = limity_[static_cast<size_t>(t)].second;
    f.MinutyMomentu = minutyMomentu_;
    f.Zajety = zajety_[t];
    f.DlugaZajeta = dluga_[t];
    if (ObecnoscPotrzebna(f, z)) f.Kod = Kod(t, r, m);
    return f;
  }

  // The loads follow a cell changed from `stary` to `nowy`.
  void Zmiana(int m, uint8_t stary, uint8_t nowy) {
    const int minuty = m < m_.Momenty.Liczba() ? m_.Momenty[m].Minuty : 0;
    const int n = m_.Nauczyciele.Liczba();
    if (stary < n) obc_.Dyzury[stary] -= 1, obc_.Minuty[stary] -= minuty;
    if (nowy < n) obc_.Dyzury[nowy] += 1, obc_.Minuty[nowy] += minuty;
  }

 private:
  // Slot after slot, the teachers of a slot side by side: a cell reads them in turn.
  size_t Ind(int t, int s) const {
    return static_cast<size_t>(s) * static_cast<size_t>(m_.Nauczyciele.Liczba()) +
           static_cast<size_t>(t);
  }

  // Teachers on duty at a long break of moment m's day.
  void ZaznaczDlugieDyzury(int m) {
    const int d = m_.Dni.DzienILekcja(m).first;
    if (m_.Dni.Dni.empty()) return;
    const int lekcji = static_cast<int>(m_.Dni.Dni[static_cast<size_t>(d)].Godziny.size());
    for (int p = 0; p < lekcji; ++p) {
      const int k = m_.Dni.Slot(d, p);
      if (k >= m_.Momenty.Liczba() || k >= m_.Dyzury.LiczbaMomentow() || !m_.Momenty[k].Dluga)
        continue;
      for (uint8_t t : m_.Dyzury.Wiersz(k).Elementy())
        if (t < dluga_.size()) dluga_[t] = true;
    }
  }

  int Kod(int t, int r, int m) const {
    const int sPrzed = sPrzed_;
    const bool przed = sPrzed >= 0 && lekcja_[Ind(t, sPrzed)];
    const bool po = lekcja_[Ind(t, m)];
    const auto& sale = saleRejonu_[static_cast<size_t>(r)];
    const bool wPrzed = przed && sale[sala_[Ind(t, sPrzed)]];
    const bool wPo = po && sale[sala_[Ind(t, m)]];
    return KodObecnosci(przed, po, bezSal_[static_cast<size_t>(r)], wPrzed, wPo,
                        wPrzed && m_.Dyzury.Dyzurny(r, m - 1) == t,
                        wPo && nastepny_ && m_.Dyzury.Dyzurny(r, m + 1) == t);
  }

  const TModele& m_;
  TOgolne o_;
  TObciazenia obc_;
  std::vector<uint8_t> lekcja_, zakaz_, sala_;
  std::vector<std::array<bool, 256>> saleRejonu_;
  std::vector<bool> bezSal_;
  std::vector<bool> zajety_, dluga_;
  std::vector<std::pair<int, int>> limity_;  // duties and minutes per teacher
  int minutyMomentu_ = 0;
  int sPrzed_ = -1;       // the slot before the moment being decided
  bool nastepny_ = false; // the next moment exists in the same day
};

}  // namespace

// The first record of the list sorted by score, found without sorting it:
// nobody sees the list in this manner.
int TWyborAutomatyczny::wybierz_wariant(TListaWariantow& lista) {
  return lista.Wybor(lista.Najlepszy(), false);
}

TFaktyKandydata FaktyKandydata(const TOgolne& o, const TObciazenia& obc, int t, int r, int m) {
  const TModele& mod = o.Modele();
  const TNaucz& n = mod.Nauczyciele[t];
  TFaktyKandydata f;
  f.Zakaz = m < n.Dyspozycja.Liczba() && n.Dyspozycja[m].Zakaz != 0;
  f.Dyzury = obc.Dyzury[t];
  f.Minuty = obc.Minuty[t];
  f.LimitDyzurow = n.LimitDyzurow;
  f.LimitMinut = n.LimitMinut;
  const bool jestMoment = m < mod.Momenty.Liczba();
  f.MinutyMomentu = jestMoment ? mod.Momenty[m].Minuty : 0;
  f.Zajety = o.rejon_dyzuru(t, m) != kBrak;
  f.DlugaZajeta = jestMoment && mod.Momenty[m].Dluga && o.dlugie_dyzury_dnia(t, m) > 0;
  f.Kod = o.kod_obecnosci(t, r, m);
  return f;
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
  int wpisano = 0;
  const int rejonow = std::min(tabela.LiczbaRejonow(), modele.Rejony.Liczba());
  for (int r = std::max(obszar.RejonOd, 0); r <= std::min(obszar.RejonDo, rejonow - 1); ++r) {
    for (int m = std::max(obszar.MomentOd, 0);
         m <= std::min(obszar.MomentDo, tabela.LiczbaMomentow() - 1); ++m) {
      const uint8_t stary = tabela.Dyzurny(r, m);
      if (stary == kZamkniete) continue;
      lista.wyczysc_warianty(m);
      oceniacz.Przygotuj(m);
      for (int t = 0; t < n; ++t) {
        if (t == stary) continue;
        int komunikat = kBezKomunikatu;
        uint8_t zastrzezenie = 0;
        const int moc = ocen_kandydata(oceniacz.Fakty(t, r, m, zasady), zasady, komunikat, zastrzezenie);
        lista.dodaj_wariant(moc, static_cast<uint8_t>(t), komunikat, zastrzezenie);
      }
      const int d = wybor.wybierz_wariant(lista);
      if (d == -2) return wpisano;
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
