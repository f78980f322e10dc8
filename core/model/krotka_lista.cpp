#include "core/model/krotka_lista.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace velmor {

static_assert(sizeof(void*) <= 9, "the heap address is kept in the in-place bytes");

TKrotkaLista::TKrotkaLista(std::initializer_list<uint8_t> el) {
  ZmienRozmiar(static_cast<int>(el.size()));
  std::copy(el.begin(), el.end(), Dane());
}

void TKrotkaLista::KopiujZeSterty(const TKrotkaLista& inna) {
  ZmienRozmiar(inna.Liczba());
  std::copy_n(inna.Dane(), inna.Liczba(), Dane());
}

TKrotkaLista& TKrotkaLista::operator=(const TKrotkaLista& inna) {
  if (this != &inna) {
    TKrotkaLista kopia(inna);
    Zamien(kopia);
  }
  return *this;
}

TKrotkaLista& TKrotkaLista::operator=(TKrotkaLista&& inna) noexcept {
  if (this != &inna) {
    Zwolnij();
    Zamien(inna);
  }
  return *this;
}

void TKrotkaLista::Zwolnij() {
  if (NaStercie()) delete[] Blok();
  dlugosc_ = 0;
  std::fill(std::begin(bajty_), std::end(bajty_), uint8_t{0});
}

void TKrotkaLista::ZmienRozmiarNaStercie(int n) {
  n = std::max(n, 0);
  const int stara = Liczba();
  if (n == stara) return;
  if (n <= kWMiejscu && !NaStercie()) {
    std::fill(bajty_ + std::min(stara, n), bajty_ + kWMiejscu, uint8_t{0});
    dlugosc_ = static_cast<uint8_t>(n);
    return;
  }
  // The new list is built apart, so a failed allocation leaves this one whole.
  TKrotkaLista nowa;
  if (n > kWMiejscu) {
    auto* blok = new uint8_t[sizeof(int32_t) + static_cast<size_t>(n)]();
    const auto n32 = static_cast<int32_t>(n);
    std::memcpy(blok, &n32, sizeof n32);
    std::memcpy(nowa.bajty_, &blok, sizeof blok);
    nowa.dlugosc_ = kNaStercie;
  } else {
    nowa.dlugosc_ = static_cast<uint8_t>(n);
  }
  std::copy_n(Dane(), std::min(stara, n), nowa.Dane());
  *this = std::move(nowa);
}

bool TKrotkaLista::Zawiera(uint8_t v) const {
  return std::find(Dane(), Dane() + Liczba(), v) != Dane() + Liczba();
}

void TKrotkaLista::Dodaj(uint8_t v) {
  const int n = Liczba();
  ZmienRozmiar(n + 1);
  Dane()[n] = v;
}

bool TKrotkaLista::operator==(const TKrotkaLista& inna) const {
  return Liczba() == inna.Liczba() && std::equal(Dane(), Dane() + Liczba(), inna.Dane());
}

void TKrotkaLista::Czytaj(TOrvelOdczyt& s) {
  const int32_t n = s.CzytajLiczbe(1);
  ZmienRozmiar(n);
  s.CzytajBajty(Dane(), static_cast<size_t>(n));
}

void TKrotkaLista::Zapisz(TOrvelZapis& s) const {
  s.ZapiszI32(Liczba());
  s.Write(Dane(), static_cast<size_t>(Liczba()));
}

}  // namespace velmor
