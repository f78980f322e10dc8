#pragma once
// What the planning tests share: small schools built by hand, their
// lessons and rooms, and the judgement's records and facts.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/document/dokument.h"
#include "core/planning/kontrola.h"
#include "core/planning/nowyplan.h"
#include "core/planning/ogolne.h"
#include "core/planning/powody.h"
#include "core/planning/warianty.h"
#include "core/planning/wpis.h"
#include "wpis_wzorcowy.h"

namespace velmor {
inline void PrintTo(const TWariant& w, std::ostream* os) {
  *os << "{moc " << w.moc << ", t " << int(w.nauczyciel) << ", kom " << w.komunikat << ", z "
      << int(w.zastrzezenie) << "}";
}
}  // namespace velmor

namespace velmor::testy {

inline uint8_t U8(int x) { return static_cast<uint8_t>(x); }

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

// Keeps every list it is given (in teacher order, as the run builds it) with
// its moment, then answers through `Decyzja`, or as the unattended manner.
class TWyborZapisany : public TWyborWariantu {
 public:
  std::function<int(TListaWariantow&)> Decyzja;
  bool Sortujac = false;  // the unattended choice by sorting the list first
  std::vector<int> Momenty;
  std::vector<std::vector<TWariant>> Listy;

  int wybierz_wariant(TListaWariantow& lista) override {
    Momenty.push_back(lista.Moment());
    Listy.push_back(lista.Warianty());
    if (Decyzja) return Decyzja(lista);
    if (Sortujac) return TWyborSortujacy().wybierz_wariant(lista);
    return TWyborAutomatyczny().wybierz_wariant(lista);
  }
};

// The record of teacher t; teacher 255 when t is not listed.
inline TWariant Rekord(const std::vector<TWariant>& lista, int t) {
  for (const TWariant& w : lista)
    if (w.nauczyciel == t) return w;
  return {0, 255, 0, 0};
}

inline TZasadyOceny Auto(bool przed = false, bool po = false, bool jednaDluga = true) {
  return {true, przed, po, jednaDluga};
}

using TWynik = std::tuple<int, int, int>;  // score, message, reservation

inline TWynik Ocen(const TFaktyKandydata& f, const TZasadyOceny& z) {
  int komunikat = kBezKomunikatu;
  uint8_t zastrzezenie = 0;
  const int moc = ocen_kandydata(f, z, komunikat, zastrzezenie);
  return {moc, komunikat, zastrzezenie};
}

// Within every limit, free, at school with presence code `kod`.
inline TFaktyKandydata Fakty(int kod) {
  TFaktyKandydata f;
  f.LimitDyzurow = 10;
  f.LimitMinut = 300;
  f.MinutyMomentu = 10;
  f.Kod = static_cast<TObecnosc>(kod);
  return f;
}

}  // namespace velmor::testy
