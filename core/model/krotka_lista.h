#pragma once
// A slot's list of byte indices in ten bytes: up to nine values in place,
// longer lists on the heap. Timetables hold millions of such lists, nearly
// all short, so an open needs little more memory than the file.
#include <cstdint>
#include <initializer_list>

#include "core/archive/strumien.h"

namespace velmor {

class TKrotkaLista {
 public:
  TKrotkaLista() = default;
  TKrotkaLista(std::initializer_list<uint8_t> el);
  TKrotkaLista(const TKrotkaLista& inna);
  TKrotkaLista(TKrotkaLista&& inna) noexcept;
  TKrotkaLista& operator=(const TKrotkaLista& inna);
  TKrotkaLista& operator=(TKrotkaLista&& inna) noexcept;
  ~TKrotkaLista();

  int Liczba() const;
  uint8_t& operator[](int i) { return Dane()[i]; }
  uint8_t operator[](int i) const { return Dane()[i]; }
  bool Zawiera(uint8_t v) const;
  void Dodaj(uint8_t v);
  // New values are 0.
  void ZmienRozmiar(int n);
  bool operator==(const TKrotkaLista& inna) const;

  // Serialised form: int32 count, then the bytes.
  void Czytaj(TOrvelOdczyt& s);
  void Zapisz(TOrvelZapis& s) const;

 private:
  static constexpr int kWMiejscu = 9;
  static constexpr uint8_t kNaStercie = 0xFF;

  bool NaStercie() const { return dlugosc_ == kNaStercie; }
  // Heap block: int32 count, then the values.
  uint8_t* Blok() const;
  uint8_t* Dane();
  const uint8_t* Dane() const;
  void Zwolnij();
  void Zamien(TKrotkaLista& inna) noexcept;

  uint8_t dlugosc_ = 0;            // count in place, or kNaStercie
  uint8_t bajty_[kWMiejscu] = {};  // the values, or the heap block's address
};

}  // namespace velmor
