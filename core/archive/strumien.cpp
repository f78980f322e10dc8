#include "core/archive/strumien.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <utility>

#include "core/archive/bledy.h"
#include "core/archive/dysk.h"
#include "core/archive/sciezka.h"

namespace velmor {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the container is little-endian; a big-endian build needs byte swaps");

std::string Opis(const std::filesystem::path& nazwa, const char* co) {
  return std::string(co) + ": " + Utf8Sciezki(nazwa);
}

constexpr size_t kBufor = 1 << 16;
// Section offsets are int32: a larger file cannot be a container.
constexpr int64_t kNajwiekszyPlik = int64_t{1} << 31;

}  // namespace

TOrvelZapis::TOrvelZapis(const std::filesystem::path& nazwa) {
  fd_ = UtworzDoZapisu(nazwa);
  wlasny_ = true;
  Rozpocznij();
}

TOrvelZapis::TOrvelZapis(int deskryptor) : fd_(deskryptor) { Rozpocznij(); }

void TOrvelZapis::Rozpocznij() {
  sekcje_.fill(-1);
  bufor_.reserve(kBufor);
  Write(sekcje_.data(), kRozmiarKatalogu);
}

TOrvelZapis::~TOrvelZapis() {
  try {
    Zamknij();
  } catch (...) {
  }
}

void TOrvelZapis::PoczatekSekcji(int i) {
  if (pozycja_ > std::numeric_limits<int32_t>::max()) throw EStrumien("plik zbyt duży");
  sekcje_.at(static_cast<size_t>(i)) = static_cast<int32_t>(pozycja_);
}

void TOrvelZapis::WriteNaDysk(const void* bufor, size_t liczba) {
  if (fd_ < 0) throw EStrumien("plik zamknięty");
  if (bufor_.size() + liczba > kBufor) Oproznij();
  if (liczba >= kBufor) {
    ZapiszWszystko(fd_, bufor, liczba);
  } else {
    const auto* p = static_cast<const unsigned char*>(bufor);
    bufor_.insert(bufor_.end(), p, p + liczba);
  }
  pozycja_ += static_cast<int64_t>(liczba);
}

void TOrvelZapis::Oproznij() {
  ZapiszWszystko(fd_, bufor_.data(), bufor_.size());
  bufor_.clear();
}

void TOrvelZapis::ZapiszI16(int16_t x) { Write(&x, 2); }
void TOrvelZapis::ZapiszF64(double x) { Write(&x, 8); }

void TOrvelZapis::Zamknij() {
  if (fd_ < 0) return;
  const int fd = fd_;
  try {
    Oproznij();
    PrzewinNaPoczatek(fd);
    ZapiszWszystko(fd, sekcje_.data(), kRozmiarKatalogu);
  } catch (...) {
    fd_ = -1;
    if (wlasny_) ZamknijPlik(fd);
    throw;
  }
  fd_ = -1;
  if (wlasny_ && !ZamknijPlik(fd)) throw EStrumien("zapis pliku nie powiódł się");
}

TOrvelOdczyt::TOrvelOdczyt(const std::filesystem::path& nazwa) {
  fd_ = OtworzDoOdczytu(nazwa);
  try {
    rozmiar_ = RozmiarZwyklegoPliku(fd_);
    if (rozmiar_ < 0) throw EStrumien(Opis(nazwa, "to nie jest zwykły plik"));
    if (rozmiar_ > kNajwiekszyPlik) throw EStrumien(Opis(nazwa, "plik zbyt duży"));
    if (rozmiar_ <= kRozmiarKatalogu) throw EStrumien(Opis(nazwa, "plik zbyt krótki"));
    CzytajBajty(sekcje_.data(), kRozmiarKatalogu);
  } catch (...) {
    ZamknijPlik(fd_);
    throw;
  }
}

TOrvelOdczyt::~TOrvelOdczyt() {
  if (fd_ >= 0) ZamknijPlik(fd_);
}

TOrvelOdczyt::TOrvelOdczyt(TOrvelOdczyt&& inny) noexcept
    : Wersja(inny.Wersja),
      fd_(std::exchange(inny.fd_, -1)),
      rozmiar_(inny.rozmiar_),
      sekcje_(inny.sekcje_),
      bufor_(std::move(inny.bufor_)),
      buforOd_(inny.buforOd_),
      pozycja_(inny.pozycja_) {}

// Bytes of the file from `odkad`, straight from the disk; fewer on failure.
size_t TOrvelOdczyt::Wczytaj(int64_t odkad, void* dokad, size_t liczba) {
  return CzytajOd(fd_, odkad, dokad, liczba);
}

size_t TOrvelOdczyt::Read(void* bufor, size_t liczba) {
  const size_t chciane = std::min(liczba, static_cast<size_t>(std::max<int64_t>(Pozostalo(), 0)));
  auto* p = static_cast<unsigned char*>(bufor);
  size_t razem = 0;
  while (razem < chciane) {
    const int64_t wBuforze = pozycja_ - buforOd_;
    if (wBuforze >= 0 && wBuforze < static_cast<int64_t>(bufor_.size())) {
      const size_t n = std::min(chciane - razem, bufor_.size() - static_cast<size_t>(wBuforze));
      std::memcpy(p + razem, bufor_.data() + wBuforze, n);
      razem += n;
      pozycja_ += static_cast<int64_t>(n);
    } else if (chciane - razem >= kBufor) {
      const size_t chce = chciane - razem;
      const size_t n = Wczytaj(pozycja_, p + razem, chce);
      razem += n;
      pozycja_ += static_cast<int64_t>(n);
      if (n < chce) break;
    } else {
      bufor_.resize(kBufor);
      buforOd_ = pozycja_;
      bufor_.resize(Wczytaj(pozycja_, bufor_.data(), kBufor));
      if (bufor_.empty()) break;
    }
  }
  return razem;
}

void TOrvelOdczyt::CzytajBajtyZDysku(void* bufor, size_t liczba) {
  if (static_cast<uint64_t>(std::max<int64_t>(Pozostalo(), 0)) < liczba ||
      Read(bufor, liczba) != liczba)
    throw EStrumien("nieoczekiwany koniec pliku");
}

int16_t TOrvelOdczyt::CzytajI16() {
  int16_t x;
  CzytajBajty(&x, 2);
  return x;
}

double TOrvelOdczyt::CzytajF64() {
  double x;
  CzytajBajty(&x, 8);
  return x;
}

void TOrvelOdczyt::ZlaLiczba() { throw EStrumien("liczba pozycji niezgodna z plikiem"); }

bool TOrvelOdczyt::IdzDoSekcji(int i) {
  const int32_t poczatek = sekcje_.at(static_cast<size_t>(i));
  if (poczatek == -1) return false;
  if (poczatek < 0 || poczatek > rozmiar_) throw EStrumien("sekcja poza plikiem");
  pozycja_ = poczatek;
  return true;
}

void TOrvelOdczyt::Pomin(int64_t n) {
  if (n < 0 || n > Pozostalo()) throw EStrumien("nieoczekiwany koniec pliku");
  pozycja_ += n;
}

}  // namespace velmor
