#include "core/planning/ogolne.h"

#include <algorithm>

namespace velmor {
namespace {

// The entry of a per-slot list, or nullptr past its end.
const TPozycjaDysp* Pozycja(const TDysp& d, int s) {
  return s >= 0 && s < d.Liczba() ? &d[s] : nullptr;
}

// The first index of a per-slot list at slot s, or kBrak.
uint8_t Pierwszy(const TDysp& d, int s) {
  const TPozycjaDysp* p = Pozycja(d, s);
  return p && p->Lista.Liczba() > 0 ? p->Lista[0] : kBrak;
}

}  // namespace

bool TOgolne::TenSamDzien(int s1, int s2) const {
  return m_.Dni.DzienILekcja(s1).first == m_.Dni.DzienILekcja(s2).first;
}

int TOgolne::SlotPrzed(int m) const { return m > 0 && TenSamDzien(m - 1, m) ? m - 1 : -1; }

bool TOgolne::MaLekcje(int t, int s) const {
  if (!m_.Nauczyciele.Istnieje(t)) return false;
  const TPozycjaDysp* p = Pozycja(m_.Nauczyciele[t].Dyspozycja, s);
  return p && p->Lista.Liczba() > 0;
}

uint8_t TOgolne::SalaLekcji(int t, int s) const {
  if (!m_.Nauczyciele.Istnieje(t)) return kBrak;
  const uint8_t c = Pierwszy(m_.Nauczyciele[t].Dyspozycja, s);
  if (!m_.Oddzialy.Istnieje(c)) return kBrak;
  const uint8_t sala = Pierwszy(m_.Oddzialy[c].Sale, s);
  return m_.Sale.Istnieje(sala) ? sala : kBrak;
}

TObecnosc TOgolne::kod_obecnosci(int t, int r, int m) const {
  const int sPrzed = SlotPrzed(m);
  const bool przed = sPrzed >= 0 && MaLekcje(t, sPrzed);
  const bool po = MaLekcje(t, m);
  static const TWektor<uint8_t> kBezSal;
  const TWektor<uint8_t>& sale = m_.Rejony.Istnieje(r) ? m_.Rejony[r].SaleRejonu : kBezSal;
  const auto wRejonie = [&](int s) {
    const uint8_t sala = SalaLekcji(t, s);
    return sala != kBrak && sale.Zawiera(sala);
  };
  const bool wPrzed = przed && wRejonie(sPrzed);
  const bool wPo = po && wRejonie(m);
  const bool nastepny = m + 1 < m_.Momenty.Liczba() && TenSamDzien(m, m + 1);
  // Entries past the room list name no room.
  const bool bezSal = std::none_of(sale.Elementy().begin(), sale.Elementy().end(),
                                   [&](uint8_t x) { return m_.Sale.Istnieje(x); });
  return KodObecnosci(przed, po, bezSal, wPrzed, wPo, wPrzed && dyzurny_rejonu(r, m - 1) == t,
                      wPo && nastepny && dyzurny_rejonu(r, m + 1) == t);
}

uint8_t TOgolne::sala_nauczyciela(int t, int s) const {
  if (!m_.Nauczyciele.Istnieje(t)) return kBrak;
  const uint8_t c = Pierwszy(m_.Nauczyciele[t].Dyspozycja, s);
  if (!m_.Oddzialy.Istnieje(c)) return kBrak;
  const TPozycjaDysp* przedmioty = Pozycja(m_.Oddzialy[c].Przedmioty, s);
  const TPozycjaDysp* sale = Pozycja(m_.Oddzialy[c].Sale, s);
  if (!przedmioty) return kBrak;
  for (int i = 0; i < przedmioty->Lista.Liczba(); ++i) {
    const uint8_t j = przedmioty->Lista[i];
    if (!m_.Przedmioty.Istnieje(j)) continue;
    const TProgWiersz& program = m_.Przedmioty[j].Program;
    if (c < program.Liczba() && program.Oczka[c].Nauczyciel == t)
      return sale && i < sale->Lista.Liczba() ? sale->Lista[i] : kBrak;
  }
  return kBrak;
}

uint8_t TOgolne::nauczyciel_sali(int o, int s) const {
  if (!m_.Sale.Istnieje(o)) return kBrak;
  const uint8_t c = Pierwszy(m_.Sale[o].Zajecia, s);
  if (!m_.Oddzialy.Istnieje(c)) return kBrak;
  const TPozycjaDysp* przedmioty = Pozycja(m_.Oddzialy[c].Przedmioty, s);
  const TPozycjaDysp* sale = Pozycja(m_.Oddzialy[c].Sale, s);
  if (!przedmioty || !sale) return kBrak;
  for (int i = 0; i < przedmioty->Lista.Liczba(); ++i) {
    if (i >= sale->Lista.Liczba() || sale->Lista[i] != o) continue;
    const uint8_t j = przedmioty->Lista[i];
    if (!m_.Przedmioty.Istnieje(j)) continue;
    const TProgWiersz& program = m_.Przedmioty[j].Program;
    if (c >= program.Liczba()) continue;
    const uint8_t t = program.Oczka[c].Nauczyciel;
    if (m_.Nauczyciele.Istnieje(t)) return t;
  }
  return kBrak;
}

uint8_t TOgolne::dyzurny_rejonu(int r, int m) const {
  if (m < 0 || m >= m_.Dyzury.LiczbaMomentow() || r < 0 || r >= m_.Dyzury.LiczbaRejonow())
    return kBrak;
  const uint8_t t = m_.Dyzury.Dyzurny(r, m);
  return m_.Nauczyciele.Istnieje(t) ? t : kBrak;
}

uint8_t TOgolne::rejon_dyzuru(int t, int m) const {
  if (m < 0 || m >= m_.Dyzury.LiczbaMomentow()) return kBrak;
  for (int r = 0; r < m_.Dyzury.LiczbaRejonow(); ++r)
    if (m_.Dyzury.Dyzurny(r, m) == t) return static_cast<uint8_t>(r);
  return kBrak;
}

int TOgolne::dlugie_dyzury_dnia(int t, int m) const {
  const int d = m_.Dni.DzienILekcja(m).first;
  if (m_.Dni.Dni.empty()) return 0;
  const int lekcji = static_cast<int>(m_.Dni.Dni[static_cast<size_t>(d)].Godziny.size());
  int n = 0;
  for (int p = 0; p < lekcji; ++p) {
    const int k = m_.Dni.Slot(d, p);
    if (k < m_.Momenty.Liczba() && m_.Momenty[k].Dluga && rejon_dyzuru(t, k) != kBrak) ++n;
  }
  return n;
}

TObciazenia TOgolne::policz_obciazenia() const {
  const int n = m_.Nauczyciele.Liczba();
  TObciazenia o{std::vector<int>(static_cast<size_t>(n)), std::vector<int>(static_cast<size_t>(n))};
  for (int m = 0; m < m_.Dyzury.LiczbaMomentow(); ++m) {
    const int minuty = m < m_.Momenty.Liczba() ? m_.Momenty[m].Minuty : 0;
    for (uint8_t t : m_.Dyzury.Wiersz(m).Elementy()) {
      if (t >= n) continue;
      o.Dyzury[t] += 1;
      o.Minuty[t] += minuty;
    }
  }
  for (size_t t = 0; t < o.Dyzury.size(); ++t) {
    o.NajwiecejDyzurow = std::max(o.NajwiecejDyzurow, o.Dyzury[t]);
    o.NajwiecejMinut = std::max(o.NajwiecejMinut, o.Minuty[t]);
  }
  return o;
}

int TOgolne::liczba_lekcji(int t) const {
  const int oddzialow = m_.Oddzialy.Liczba();
  int suma = 0;
  for (const TPrzedm& j : m_.Przedmioty) {
    const auto oczko = [&](int c) {
      return c < j.Program.Liczba() ? j.Program.Oczka[static_cast<size_t>(c)]
                                    : TOczkoProg{0, kBrak};
    };
    TWektor<uint8_t> lista;
    for (int c = 0; c < oddzialow; ++c) lista.Dodaj(static_cast<uint8_t>(c));
    for (const TWektor<uint8_t>& grupa : j.Grupy.Grupy) {
      int najlepsza = -1;
      for (uint8_t c : grupa.Elementy()) {
        if (c >= oddzialow) continue;
        if (najlepsza < 0 || oczko(c).LiczbaGodzin > oczko(najlepsza).LiczbaGodzin) najlepsza = c;
      }
      if (najlepsza < 0) continue;
      for (uint8_t c : grupa.Elementy())
        if (c < oddzialow) lista.UsunOstatni(c);
      lista.Dodaj(static_cast<uint8_t>(najlepsza));
    }
    for (uint8_t c : lista.Elementy())
      if (oczko(c).Nauczyciel == t) suma += oczko(c).LiczbaGodzin;
  }
  return suma;
}

}  // namespace velmor
