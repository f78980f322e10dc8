#pragma once
// An ordered list of records read in place: reading resizes the list to the
// file's count and overwrites the entries field by field, so fields a file
// kind does not hold keep their values.
#include <cstdint>
#include <vector>

#include "core/archive/strumien.h"
#include "core/model/formy.h"

namespace velmor {

template <typename T>
class TLista {
 public:
  int Liczba() const { return static_cast<int>(el_.size()); }
  T& operator[](int i) { return el_[static_cast<size_t>(i)]; }
  const T& operator[](int i) const { return el_[static_cast<size_t>(i)]; }
  // Valid index: below the list's length (251 and beyond name nobody).
  bool Istnieje(int i) const { return i >= 0 && i < Liczba(); }
  void ZmienRozmiar(int n) { el_.resize(n > 0 ? static_cast<size_t>(n) : 0); }
  auto begin() { return el_.begin(); }
  auto end() { return el_.end(); }
  auto begin() const { return el_.begin(); }
  auto end() const { return el_.end(); }

  // At most 251 entries; each takes at least `bajtowNaPozycje` bytes.
  void Czytaj(TOrvelOdczyt& s, int rodzaj, int64_t bajtowNaPozycje) {
    ZmienRozmiar(CzytajLiczbePozycji(s, bajtowNaPozycje));
    for (T& e : el_) e.Czytaj(s, rodzaj);
  }
  void Zapisz(TOrvelZapis& s) const {
    s.ZapiszI32(Liczba());
    for (const T& e : el_) e.Zapisz(s);
  }
  bool operator==(const TLista&) const = default;

 protected:
  std::vector<T> el_;
};

}  // namespace velmor
