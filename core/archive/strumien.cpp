#include "core/archive/strumien.h"

#include <bit>
#include <cstring>
#include <fstream>
#include <limits>

#include "core/archive/bledy.h"
#include "core/archive/dysk.h"

namespace velmor {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the container is little-endian; a big-endian build needs byte swaps");

std::string Opis(const std::filesystem::path& nazwa, const char* co) {
  return std::string(co) + ": " + nazwa.string();
}

}  // namespace

TOrvelZapis::TOrvelZapis(const std::filesystem::path& nazwa) {
  plik_ = std::fopen(nazwa.c_str(), "wb");
  if (!plik_) throw EStrumien(Opis(nazwa, "nie można utworzyć pliku"));
  sekcje_.fill(-1);
  try {
    Write(sekcje_.data(), kRozmiarKatalogu);
  } catch (...) {
    std::fclose(plik_);
    throw;
  }
}

TOrvelZapis::~TOrvelZapis() {
  try {
    Zamknij();
  } catch (...) {
  }
}

void TOrvelZapis::PoczatekSekcji(int i) {
  if (pozycja_ > std::numeric_limits<int32_t>::max()) throw EStrumien("plik zbyt duży");
  sekcje_.at(i) = static_cast<int32_t>(pozycja_);
}

void TOrvelZapis::Write(const void* bufor, size_t liczba) {
  if (!plik_) throw EStrumien("plik zamknięty");
  if (liczba == 0) return;
  const size_t zapisano = std::fwrite(bufor, 1, liczba, plik_);
  pozycja_ += static_cast<int64_t>(zapisano);
  if (zapisano != liczba) throw EStrumien("zapis niepełny");
}

void TOrvelZapis::ZapiszI16(int16_t x) { Write(&x, 2); }
void TOrvelZapis::ZapiszI32(int32_t x) { Write(&x, 4); }
void TOrvelZapis::ZapiszF64(double x) { Write(&x, 8); }

void TOrvelZapis::Zamknij(bool naDysk) {
  if (!plik_) return;
  std::FILE* plik = plik_;
  plik_ = nullptr;
  try {
    if (std::fflush(plik) != 0 || std::fseek(plik, 0, SEEK_SET) != 0 ||
        std::fwrite(sekcje_.data(), 1, kRozmiarKatalogu, plik) != kRozmiarKatalogu)
      throw EStrumien("zapis pliku nie powiódł się");
    if (naDysk) ZapiszNaDysk(plik);
  } catch (...) {
    std::fclose(plik);
    throw;
  }
  if (std::fclose(plik) != 0) throw EStrumien("zapis pliku nie powiódł się");
}

TOrvelOdczyt::TOrvelOdczyt(const std::filesystem::path& nazwa) {
  std::ifstream plik(nazwa, std::ios::binary);
  if (!plik) throw EStrumien(Opis(nazwa, "nie można otworzyć pliku"));
  dane_.assign(std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>());
  if (plik.bad()) throw EStrumien(Opis(nazwa, "odczyt pliku nie powiódł się"));
  if (static_cast<int64_t>(dane_.size()) <= kRozmiarKatalogu)
    throw EStrumien(Opis(nazwa, "plik zbyt krótki"));
  CzytajBajty(sekcje_.data(), kRozmiarKatalogu);
}

size_t TOrvelOdczyt::Read(void* bufor, size_t liczba) {
  const size_t n = std::min(liczba, static_cast<size_t>(Pozostalo()));
  if (n > 0) std::memcpy(bufor, dane_.data() + pozycja_, n);
  pozycja_ += static_cast<int64_t>(n);
  return n;
}

void TOrvelOdczyt::CzytajBajty(void* bufor, size_t liczba) {
  if (static_cast<uint64_t>(Pozostalo()) < liczba) throw EStrumien("nieoczekiwany koniec pliku");
  Read(bufor, liczba);
}

uint8_t TOrvelOdczyt::CzytajBajt() {
  uint8_t b;
  CzytajBajty(&b, 1);
  return b;
}

int16_t TOrvelOdczyt::CzytajI16() {
  int16_t x;
  CzytajBajty(&x, 2);
  return x;
}

int32_t TOrvelOdczyt::CzytajI32() {
  int32_t x;
  CzytajBajty(&x, 4);
  return x;
}

double TOrvelOdczyt::CzytajF64() {
  double x;
  CzytajBajty(&x, 8);
  return x;
}

int32_t TOrvelOdczyt::CzytajLiczbe(int64_t bajtowNaPozycje) {
  const int32_t n = CzytajI32();
  if (n < 0 || n * std::max<int64_t>(bajtowNaPozycje, 0) > Pozostalo())
    throw EStrumien("liczba pozycji niezgodna z plikiem");
  return n;
}

bool TOrvelOdczyt::IdzDoSekcji(int i) {
  const int32_t poczatek = sekcje_.at(i);
  if (poczatek == -1) return false;
  if (poczatek < 0 || poczatek > static_cast<int64_t>(dane_.size()))
    throw EStrumien("sekcja poza plikiem");
  pozycja_ = poczatek;
  return true;
}

void TOrvelOdczyt::Pomin(int64_t n) {
  if (n < 0 || n > Pozostalo()) throw EStrumien("nieoczekiwany koniec pliku");
  pozycja_ += n;
}

}  // namespace velmor
