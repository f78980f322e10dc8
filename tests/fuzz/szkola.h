#pragma once
// Shared by the harnesses of the timetable readers: a school read has every
// slot in every list and names only what exists.
#include "core/document/zapis_planu_lekcji.h"
#include "fuzz.h"

namespace velmor::fuzz {

inline void SprawdzListy(const TDysp& d, int sloty, int ile, bool zBrakiem) {
  Wymagaj(d.Liczba() == sloty, "a list without an entry for every slot");
  for (const TPozycjaDysp& p : d.Pozycje)
    for (int i = 0; i < p.Lista.Liczba(); ++i)
      Wymagaj(p.Lista[i] < ile || (zBrakiem && p.Lista[i] == kBrak), "an index past its list");
}

inline void SprawdzSzkole(const TSzkola& s) {
  const int sloty = s.Dni.LiczbaSlotow();
  for (const TNaucz& t : s.Nauczyciele)
    SprawdzListy(t.Dyspozycja, sloty, s.Oddzialy.Liczba(), false);
  for (const TOddz& o : s.Oddzialy) {
    SprawdzListy(o.Przedmioty, sloty, s.Przedmioty.Liczba(), false);
    SprawdzListy(o.Sale, sloty, s.Sale.Liczba(), true);
  }
  for (const TSala& r : s.Sale) SprawdzListy(r.Zajecia, sloty, s.Oddzialy.Liczba(), false);
}

// The input cut at its zero bytes into `ile` texts, the last ones empty
// when there are fewer parts.
inline std::vector<std::string> Czesci(const uint8_t* dane, size_t n, size_t ile) {
  std::vector<std::string> czesci(1);
  for (size_t i = 0; i < n; ++i) {
    if (dane[i] == 0 && czesci.size() < ile) czesci.emplace_back();
    else czesci.back() += static_cast<char>(dane[i]);
  }
  czesci.resize(ile);
  return czesci;
}

}  // namespace velmor::fuzz
