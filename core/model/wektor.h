#pragma once
// Growable array with a read cursor and a search value of its own.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <type_traits>
#include <vector>

#include "core/archive/strumien.h"

namespace velmor {

template <typename T>
class TWektor {
 public:
  TWektor() = default;
  // Copies take the elements only; the cursor and the search value are not
  // part of the array's value.
  TWektor(const TWektor& inny) : el_(inny.el_) {}
  TWektor& operator=(const TWektor& inny) {
    el_ = inny.el_;
    return *this;
  }
  TWektor(std::initializer_list<T> el) : el_(el) {}

  int32_t Pozycja = 0;
  T Szukany{};

  int Liczba() const { return static_cast<int>(el_.size()); }
  void ZmienRozmiar(int k) { el_.resize(k > 0 ? static_cast<size_t>(k) : 0, T{}); }
  void Wypelnij(int k, T v) { el_.assign(k > 0 ? static_cast<size_t>(k) : 0, v); }
  void UstawWszystkie(T v) { std::fill(el_.begin(), el_.end(), v); }
  bool Zawiera(T v) const { return std::find(el_.begin(), el_.end(), v) != el_.end(); }

  void OdPoczatku() { Pozycja = 0; }
  bool Nastepny(T& wynik) {
    if (Pozycja < 0 || Pozycja >= Liczba()) return false;
    wynik = el_[static_cast<size_t>(Pozycja++)];
    return true;
  }
  void SzukajOd(T v) {
    Szukany = v;
    Pozycja = 0;
  }
  bool ZnajdzNastepny(int& indeks) {
    for (int i = std::max(Pozycja, 0); i < Liczba(); ++i) {
      if (el_[static_cast<size_t>(i)] == Szukany) {
        indeks = i;
        Pozycja = i + 1;
        return true;
      }
    }
    return false;
  }

  void Dodaj(T v) { el_.push_back(v); }
  void UsunOstatni(T v) {
    for (size_t i = el_.size(); i-- > 0;) {
      if (el_[i] == v) {
        el_.erase(el_.begin() + static_cast<std::ptrdiff_t>(i));
        return;
      }
    }
  }
  void WstawW(int i, T v) {
    if (i < 0 || i >= Liczba()) el_.push_back(v);
    else el_.insert(el_.begin() + i, v);
  }
  void UsunZ(int i) {
    if (i < 0 || i >= Liczba()) return;
    el_.erase(el_.begin() + i);
    if (Pozycja > Liczba()) Pozycja = Liczba();
  }

  T& operator[](int i) { return el_[static_cast<size_t>(i)]; }
  const T& operator[](int i) const { return el_[static_cast<size_t>(i)]; }
  const std::vector<T>& Elementy() const { return el_; }
  bool operator==(const TWektor& inny) const { return el_ == inny.el_; }

  // Serialised form: int32 count, then the elements in the width of T.
  void Czytaj(TOrvelOdczyt& s) {
    const int32_t n = s.CzytajLiczbe(sizeof(T));
    ZmienRozmiar(n);
    s.CzytajBajty(el_.data(), el_.size() * sizeof(T));
  }
  void Zapisz(TOrvelZapis& s) const {
    s.ZapiszI32(Liczba());
    s.Write(el_.data(), el_.size() * sizeof(T));
  }

 private:
  static_assert(std::is_trivially_copyable_v<T>);
  std::vector<T> el_;
};

}  // namespace velmor
