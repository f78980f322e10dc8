#include "core/planning/pokrycie.h"

#include <algorithm>

#include "core/model/data.h"
#include "core/planning/oceniacz.h"
#include "core/planning/wpis.h"

namespace velmor {
namespace {

int OdPoniedzialku(int data) { return (DzienTygodnia(data) + 5) % 7; }

// The date of each plan day of the date's week, -1 for none.
std::vector<int> DatyTygodnia(const TDni& dni, int data) {
  std::vector<int> daty(dni.Dni.size(), -1);
  const int d = DzienPlanu(dni, data);
  if (d < 0) return daty;
  for (int k = 0; k < 7; ++k)
    if (const size_t i = static_cast<size_t>(d - d % 7 + k); i < daty.size())
      daty[i] = data - d % 7 + k;
  return daty;
}

bool WDniu(const TDni& dni, int k, int d) { return dni.DzienILekcja(k).first == d; }

// Cover duties of every teacher before the date.
std::vector<int> ZastepstwaPrzed(const TModele& m, int data) {
  std::vector<int> ile(static_cast<size_t>(m.Nauczyciele.Liczba()));
  for (const TZastepstwo& c : m.Zastepstwa.Pokrycia)
    if (c.Data < data && m.Nauczyciele.Istnieje(c.Nauczyciel)) ++ile[c.Nauczyciel];
  return ile;
}

// The duties the run filled in the view `w` handed, one at a time, to a
// clean candidate with at least two cover duties fewer this term, while
// there is one: the run's cells stay, the term evens out.
void WyrownajTermin(const TModele& m, TModele& w, int data,
                    const std::vector<TPozycjaPokrycia>& pozycje, const TZasadyOceny& z) {
  std::vector<int> ile = ZastepstwaPrzed(m, data);
  for (const TPozycjaPokrycia& p : pozycje)
    if (const uint8_t t = w.Dyzury.Dyzurny(p.Rejon, p.Moment); w.Nauczyciele.Istnieje(t)) ++ile[t];
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (const TPozycjaPokrycia& p : pozycje) {
      const uint8_t t = w.Dyzury.Dyzurny(p.Rejon, p.Moment);
      if (p.Kto >= 0 || !w.Nauczyciele.Istnieje(t)) continue;
      w.Dyzury.UstawDyzurnego(p.Rejon, p.Moment, kBrak);
      TOceniacz oceniacz(w);
      oceniacz.Przygotuj(p.Moment);
      int lepszy = t;
      for (int k = 0; k < w.Nauczyciele.Liczba(); ++k)
        if (ile[static_cast<size_t>(k)] + 1 < ile[static_cast<size_t>(lepszy)] &&
            Czysty(oceniacz.Ocen(k, p.Rejon, p.Moment, z)))
          lepszy = k;
      w.Dyzury.UstawDyzurnego(p.Rejon, p.Moment, static_cast<uint8_t>(lepszy));
      if (lepszy == t) continue;
      --ile[t];
      ++ile[static_cast<size_t>(lepszy)];
      zmiana = true;
    }
  }
}

}  // namespace

int DzienPlanu(const TDni& dni, int data) {
  const int dni7 = static_cast<int>(dni.Dni.size());
  if (dni7 == 0 || !DataWZakresie(data) || !DataWZakresie(dni.DataPoczatku)) return -1;
  const int cykl = (dni7 + 6) / 7;
  const int poczatek =
      static_cast<int>(dni.DataPoczatku) - OdPoniedzialku(static_cast<int>(dni.DataPoczatku));
  const int tydzien = (data - poczatek) >= 0 ? (data - poczatek) / 7 : -((poczatek - data + 6) / 7);
  const int d = ((tydzien % cykl + cykl) % cykl) * 7 + OdPoniedzialku(data);
  return d < dni7 ? d : -1;
}

const TNieobecnosc* Nieobecnosc(const TModele& m, int t, int data, int k) {
  const int lekcja = m.Dni.DzienILekcja(k).second + 1;
  for (const TNieobecnosc& n : m.Zastepstwa.Nieobecnosci)
    if (n.Nauczyciel == t && n.Od <= data && data <= n.Do &&
        (n.OdLekcji == 0 || lekcja >= n.OdLekcji) && (n.DoLekcji == 0 || lekcja <= n.DoLekcji))
      return &n;
  return nullptr;
}

std::vector<TPozycjaPokrycia> PozycjeDnia(const TModele& m, int data) {
  std::vector<TPozycjaPokrycia> pozycje;
  const int d = DzienPlanu(m.Dni, data);
  if (d < 0 || m.Zastepstwa.Nieobecnosci.empty()) return pozycje;
  const int od = m.Dni.PierwszySlot(d);
  for (int k = od; k < m.Dyzury.LiczbaMomentow() && WDniu(m.Dni, k, d); ++k)
    for (int r = 0; r < m.Dyzury.LiczbaRejonow(); ++r) {
      const uint8_t t = m.Dyzury.Dyzurny(r, k);
      if (!m.Nauczyciele.Istnieje(t) || !Nieobecnosc(m, t, data, k)) continue;
      const TZastepstwo* z = m.Zastepstwa.Pokrycie(data, k, r);
      pozycje.push_back({k, r, t, z ? z->Nauczyciel : -1});
    }
  return pozycje;
}

TModele WidokDnia(const TModele& m, int data) {
  TModele w = m;
  const std::vector<int> daty = DatyTygodnia(m.Dni, data);
  for (const TZastepstwo& z : m.Zastepstwa.Pokrycia) {
    const int d = m.Dni.DzienILekcja(z.Moment).first;
    if (z.Data != data && d < static_cast<int>(daty.size()) &&
        daty[static_cast<size_t>(d)] == z.Data)
      w.Dyzury.UstawDyzurnego(z.Rejon, z.Moment, z.Nauczyciel);
  }
  const int dzien = DzienPlanu(m.Dni, data);
  std::vector<bool> otwarte(
      static_cast<size_t>(m.Dyzury.LiczbaMomentow() * m.Dyzury.LiczbaRejonow()));
  for (const TPozycjaPokrycia& p : PozycjeDnia(m, data)) {
    w.Dyzury.UstawDyzurnego(p.Rejon, p.Moment, p.Kto >= 0 ? static_cast<uint8_t>(p.Kto) : kBrak);
    otwarte[static_cast<size_t>(p.Moment * m.Dyzury.LiczbaRejonow() + p.Rejon)] = true;
  }
  for (int k = 0; k < w.Dyzury.LiczbaMomentow(); ++k)
    for (int r = 0; r < w.Dyzury.LiczbaRejonow(); ++r)
      if (!otwarte[static_cast<size_t>(k * m.Dyzury.LiczbaRejonow() + r)] &&
          !w.Nauczyciele.Istnieje(w.Dyzury.Dyzurny(r, k)))
        w.Dyzury.UstawDyzurnego(r, k, kZamkniete);
  if (dzien >= 0)
    for (int t = 0; t < w.Nauczyciele.Liczba(); ++t)
      for (int k = m.Dni.PierwszySlot(dzien);
           k < w.Dyzury.LiczbaMomentow() && WDniu(m.Dni, k, dzien); ++k)
        if (k < w.Nauczyciele[t].Dyspozycja.Liczba() && Nieobecnosc(m, t, data, k))
          w.Nauczyciele[t].Dyspozycja[k].Zakaz = 1;
  return w;
}

std::vector<TKandydatPokrycia> KandydaciPokrycia(const TModele& m, int data,
                                                 const TPozycjaPokrycia& p, const TZasadyOceny& z) {
  TModele w = WidokDnia(m, data);
  w.Dyzury.UstawDyzurnego(p.Rejon, p.Moment, kBrak);
  const std::vector<int> zastepstwa = ZastepstwaPrzed(m, data);
  TOceniacz oceniacz(w);
  oceniacz.Przygotuj(p.Moment);
  std::vector<TKandydatPokrycia> kandydaci;
  for (int t = 0; t < w.Nauczyciele.Liczba(); ++t) {
    if (t == p.Nieobecny) continue;
    kandydaci.push_back({oceniacz.Ocen(t, p.Rejon, p.Moment, z),
                         Nieobecnosc(m, t, data, p.Moment) != nullptr,
                         zastepstwa[static_cast<size_t>(t)]});
  }
  std::stable_sort(kandydaci.begin(), kandydaci.end(),
                   [](const TKandydatPokrycia& a, const TKandydatPokrycia& b) {
                     if (PrzedWgMocy(a.Wariant, b.Wariant)) return true;
                     if (PrzedWgMocy(b.Wariant, a.Wariant)) return false;
                     return a.Zastepstwa < b.Zastepstwa;
                   });
  return kandydaci;
}

TWynikOptimum PokryjDzien(TModele& m, int data, const TZasadyOceny& z,
                          const TUstawieniaOptimum& u) {
  TModele w = WidokDnia(m, data);
  TZasadyOceny automatycznie = z;
  automatycznie.Automatycznie = true;
  const TWynikOptimum wynik = wpisz_optymalnie(w, CalaTabela(w.Dyzury), automatycznie, u);
  const std::vector<TPozycjaPokrycia> pozycje = PozycjeDnia(m, data);
  WyrownajTermin(m, w, data, pozycje, automatycznie);
  for (const TPozycjaPokrycia& p : pozycje) {
    const uint8_t t = w.Dyzury.Dyzurny(p.Rejon, p.Moment);
    if (p.Kto < 0 && w.Nauczyciele.Istnieje(t))
      m.Zastepstwa.Pokrycia.push_back(
          {data, static_cast<uint16_t>(p.Moment), static_cast<uint8_t>(p.Rejon), t});
  }
  return wynik;
}

void UsunZbedne(TModele& m) {
  std::vector<TZastepstwo> potrzebne;
  for (const TZastepstwo& z : m.Zastepstwa.Pokrycia) {
    const bool dzien = DzienPlanu(m.Dni, z.Data) == m.Dni.DzienILekcja(z.Moment).first;
    const uint8_t t = m.Dyzury.Dyzurny(z.Rejon, z.Moment);
    const bool pokrywa =
        z.Nauczyciel == kZamkniete || !Nieobecnosc(m, z.Nauczyciel, z.Data, z.Moment);
    if (dzien && m.Nauczyciele.Istnieje(t) && Nieobecnosc(m, t, z.Data, z.Moment) && pokrywa)
      potrzebne.push_back(z);
  }
  m.Zastepstwa.Pokrycia = std::move(potrzebne);
}

std::vector<TKsiega> KsiegaZastepstw(const TModele& m) {
  std::vector<TKsiega> k(static_cast<size_t>(m.Nauczyciele.Liczba()));
  for (int s = 0; s < m.Dyzury.LiczbaMomentow(); ++s)
    for (int r = 0; r < m.Dyzury.LiczbaRejonow(); ++r)
      if (const uint8_t t = m.Dyzury.Dyzurny(r, s); m.Nauczyciele.Istnieje(t)) ++k[t].Plan;
  for (const TZastepstwo& z : m.Zastepstwa.Pokrycia) {
    const uint8_t t = m.Dyzury.Dyzurny(z.Rejon, z.Moment);
    if (m.Nauczyciele.Istnieje(z.Nauczyciel)) ++k[z.Nauczyciel].Dane;
    if (!m.Nauczyciele.Istnieje(t)) continue;
    if (z.Nauczyciel == kZamkniete) ++k[t].Odwolane;
    else ++k[t].Otrzymane;
  }
  return k;
}

}  // namespace velmor
