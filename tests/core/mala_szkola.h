#pragma once
// The small schools the tests build by hand: days, teachers, classes, rooms
// and regions, and the lessons put into them.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/document/dokument.h"

namespace velmor::testy {

inline uint8_t U8(int x) { return static_cast<uint8_t>(x); }

// "R" and 2 give "R2".
inline std::string Nazwa(const char* przedrostek, int i) {
  std::string nazwa = przedrostek;
  nazwa += std::to_string(i);
  return nazwa;
}

inline void UstawDni(TModele& m, const std::vector<int>& lekcje) {
  m.Dni.Dni.clear();
  for (int c : lekcje)
    m.Dni.Dni.push_back(TDzien{std::vector<TGodz>(static_cast<size_t>(c)), kKolorDomyslny});
  m.Dni.Przelicz();
}

// Days of the given period counts; teachers with generous limits; classes and
// rooms with empty timetables; regions without rooms; 10-minute moments; an
// empty duty table.
inline TModele Szkola(const std::vector<int>& lekcje, int nauczycieli, int oddzialow, int sal,
                      int rejonow) {
  TModele m;
  UstawDni(m, lekcje);
  const int s = m.Dni.LiczbaSlotow();
  const auto sloty = static_cast<size_t>(s);
  m.Nauczyciele.ZmienRozmiar(nauczycieli);
  for (TNaucz& t : m.Nauczyciele) {
    t.LimitDyzurow = 100;
    t.LimitMinut = 10000;
    t.Dyspozycja.Pozycje.resize(sloty);
  }
  m.Oddzialy.ZmienRozmiar(oddzialow);
  for (TOddz& o : m.Oddzialy) {
    o.Przedmioty.Pozycje.resize(sloty);
    o.Sale.Pozycje.resize(sloty);
  }
  m.Sale.ZmienRozmiar(sal);
  for (TSala& x : m.Sale) x.Zajecia.Pozycje.resize(sloty);
  m.Momenty.ZmienRozmiar(s);
  m.Rejony.ZmienRozmiar(rejonow);
  m.Dyzury.ZmienRozmiar(rejonow, s);
  m.Dyzury.UstawWszystkie(kBrak);
  return m;
}

// Teacher t teaches class o in slot s in room `sala`, under a subject of his own.
inline void Lekcja(TModele& m, int t, int o, int s, int sala) {
  int j = 0;
  while (j < m.Przedmioty.Liczba() &&
         m.Przedmioty[j].Program.Oczka[static_cast<size_t>(o)].Nauczyciel != t)
    ++j;
  if (j == m.Przedmioty.Liczba()) {
    m.Przedmioty.ZmienRozmiar(j + 1);
    m.Przedmioty[j].Program.Oczka.assign(static_cast<size_t>(m.Oddzialy.Liczba()), TOczkoProg{});
    m.Przedmioty[j].Program.Oczka[static_cast<size_t>(o)] = {1, U8(t)};
  }
  m.Oddzialy[o].Przedmioty[s].Lista.Dodaj(U8(j));
  m.Oddzialy[o].Sale[s].Lista.Dodaj(U8(sala));
  if (m.Sale.Istnieje(sala)) m.Sale[sala].Zajecia[s].Lista.Dodaj(U8(o));
  m.Nauczyciele[t].Dyspozycja[s].Lista.Dodaj(U8(o));
}

// Lessons of teacher t (and his class t) in room `sala` in slots od..doo.
inline void Lekcje(TModele& m, int t, int od, int doo, int sala) {
  for (int s = od; s <= doo; ++s) Lekcja(m, t, t, s, sala);
}

inline void Sale(TModele& m, int r, std::initializer_list<uint8_t> sale) {
  m.Rejony[r].SaleRejonu = sale;
}

}  // namespace velmor::testy
