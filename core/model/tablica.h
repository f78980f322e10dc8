#pragma once
// Table of equally long rows; cell (c, r) is element c of row r.
#include <vector>

#include "core/model/wektor.h"

namespace velmor {

template <typename T>
class TTablica {
 public:
  int LiczbaWierszy() const { return static_cast<int>(wiersze_.size()); }
  int LiczbaKolumn() const { return wiersze_.empty() ? 0 : wiersze_[0].Liczba(); }

  // New rows and cells are 0.
  void ZmienRozmiar(int kolumny, int wiersze) {
    wiersze_.resize(wiersze > 0 ? static_cast<size_t>(wiersze) : 0);
    for (auto& w : wiersze_) w.ZmienRozmiar(kolumny);
  }
  T Komorka(int c, int r) const { return wiersze_[static_cast<size_t>(r)][c]; }
  void UstawKomorke(int c, int r, T v) { wiersze_[static_cast<size_t>(r)][c] = v; }
  void WstawKolumne(int i, T v) {
    for (auto& w : wiersze_) w.WstawW(i, v);
  }
  void UsunKolumne(int i) {
    for (auto& w : wiersze_) w.UsunZ(i);
  }
  void UstawWszystkie(T v) {
    for (auto& w : wiersze_) w.UstawWszystkie(v);
  }

  const TWektor<T>& Wiersz(int r) const { return wiersze_[static_cast<size_t>(r)]; }
  bool operator==(const TTablica&) const = default;

 private:
  std::vector<TWektor<T>> wiersze_;
};

}  // namespace velmor
