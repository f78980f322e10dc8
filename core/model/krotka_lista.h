#pragma once
// A slot's list of byte indices in ten bytes: up to nine values in place,
// longer lists on the heap. Timetables hold millions of such lists, nearly
// all short, so an open needs little more memory than the file.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "core/archive/strumien.h"

namespace velmor {

class TKrotkaLista {
 public:
  TKrotkaLista() = default;
  TKrotkaLista(std::initializer_list<uint8_t> el);
  TKrotkaLista(const TKrotkaLista& inna) {
    if (inna.NaStercie()) {
      KopiujZeSterty(inna);
    } else {
      dlugosc_ = inna.dlugosc_;
      std::memcpy(bajty_, inna.bajty_, kWMiejscu);
    }
  }
  TKrotkaLista(TKrotkaLista&& inna) noexcept { Zamien(inna); }
  TKrotkaLista& operator=(const TKrotkaLista& inna);
  TKrotkaLista& operator=(TKrotkaLista&& inna) noexcept;
  ~TKrotkaLista() {
    if (NaStercie()) delete[] Blok();
  }

  int Liczba() const {
    if (!NaStercie()) return dlugosc_;
    int32_t n;
    std::memcpy(&n, Blok(), sizeof n);
    return n;
  }
  uint8_t& operator[](int i) { return Dane()[i]; }
  uint8_t operator[](int i) const { return Dane()[i]; }
  bool Zawiera(uint8_t v) const;
  void Dodaj(uint8_t v);
  // New values are 0.
  void ZmienRozmiar(int n) {
    if (!NaStercie() && n >= 0 && n <= kWMiejscu) {
      if (n < dlugosc_) std::fill(bajty_ + n, bajty_ + dlugosc_, uint8_t{0});
      dlugosc_ = static_cast<uint8_t>(n);
      return;
    }
    ZmienRozmiarNaStercie(n);
  }
  bool operator==(const TKrotkaLista& inna) const;

  // Serialised form: int32 count, then the bytes.
  void Czytaj(TOrvelOdczyt& s);
  void Zapisz(TOrvelZapis& s) const;

 private:
  static constexpr int kWMiejscu = 9;
  static constexpr uint8_t kNaStercie = 0xFF;

  bool NaStercie() const { return dlugosc_ == kNaStercie; }
  // Heap block: int32 count, then the values.
  uint8_t* Blok() const {
    uint8_t* blok;
    std::memcpy(&blok, bajty_, sizeof blok);
    return blok;
  }
  uint8_t* Dane() { return NaStercie() ? Blok() + sizeof(int32_t) : bajty_; }
  const uint8_t* Dane() const { return NaStercie() ? Blok() + sizeof(int32_t) : bajty_; }
  void ZmienRozmiarNaStercie(int n);
  void KopiujZeSterty(const TKrotkaLista& inna);
  void Zwolnij();
  void Zamien(TKrotkaLista& inna) noexcept {
    std::swap(dlugosc_, inna.dlugosc_);
    std::swap(bajty_, inna.bajty_);
  }

  uint8_t dlugosc_ = 0;            // count in place, or kNaStercie
  uint8_t bajty_[kWMiejscu] = {};  // the values, or the heap block's address
};

}  // namespace velmor
