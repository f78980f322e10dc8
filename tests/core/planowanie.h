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
#include "mala_szkola.h"
#include "wpis_wzorcowy.h"

namespace velmor {
inline void PrintTo(const TWariant& w, std::ostream* os) {
  *os << "{moc " << w.moc << ", t " << int(w.nauczyciel) << ", kom " << w.komunikat << ", z "
      << int(w.zastrzezenie) << "}";
}
}  // namespace velmor

namespace velmor::testy {

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
