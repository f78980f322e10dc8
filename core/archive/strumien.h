#pragma once
// The sectioned container: a directory of 30 section offsets, a version byte
// at offset 120, then the section bodies. All integers little-endian.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace velmor {

constexpr int kLiczbaSekcji = 30;
constexpr int64_t kRozmiarKatalogu = kLiczbaSekcji * 4;
using TKatalogSekcji = std::array<int32_t, kLiczbaSekcji>;

// Writer. The file gets a placeholder directory at construction; the real
// directory is written over it when the writer closes.
class TOrvelZapis {
 public:
  // Creates the file anew (an existing one is truncated).
  explicit TOrvelZapis(const std::filesystem::path& nazwa);
  // Writes into an open, empty file that stays its owner's.
  explicit TOrvelZapis(int deskryptor);
  ~TOrvelZapis();  // closes, writing the directory; errors are swallowed here
  TOrvelZapis(const TOrvelZapis&) = delete;
  TOrvelZapis& operator=(const TOrvelZapis&) = delete;

  void PoczatekSekcji(int i);
  // Every write raises EStrumien when the system takes fewer bytes.
  void Write(const void* bufor, size_t liczba) {
    if (fd_ >= 0 && bufor_.size() + liczba <= bufor_.capacity()) {
      const auto* p = static_cast<const unsigned char*>(bufor);
      bufor_.insert(bufor_.end(), p, p + liczba);
      pozycja_ += static_cast<int64_t>(liczba);
      return;
    }
    WriteNaDysk(bufor, liczba);
  }
  void ZapiszBajt(uint8_t b) { Write(&b, 1); }
  void ZapiszI16(int16_t x);
  void ZapiszI32(int32_t x) { Write(&x, 4); }
  void ZapiszF64(double x);

  // Writes what is buffered and the directory, and closes a file of its own;
  // raises EStrumien on any failure.
  void Zamknij();

  int64_t Pozycja() const { return pozycja_; }

 private:
  void Rozpocznij();
  void Oproznij();
  void WriteNaDysk(const void* bufor, size_t liczba);

  int fd_ = -1;
  bool wlasny_ = false;  // the writer opened the file and closes it
  TKatalogSekcji sekcje_;
  std::vector<unsigned char> bufor_;
  int64_t pozycja_ = 0;
};

// Reader. Only regular files of at most 2 GiB are read; the directory is
// loaded at construction and the position is then 120. The rest is read
// from the disk as it is asked for, through a buffer.
class TOrvelOdczyt {
 public:
  // Raises EStrumien when the file cannot be read, is no regular file, is
  // larger than 2 GiB or shorter than a directory and a version byte.
  explicit TOrvelOdczyt(const std::filesystem::path& nazwa);
  ~TOrvelOdczyt();
  TOrvelOdczyt(TOrvelOdczyt&& inny) noexcept;
  TOrvelOdczyt(const TOrvelOdczyt&) = delete;
  TOrvelOdczyt& operator=(const TOrvelOdczyt&) = delete;
  TOrvelOdczyt& operator=(TOrvelOdczyt&&) = delete;

  // Raw read: the number of bytes moved, fewer at the end of the file; the
  // rest of the buffer keeps what it held. Never raises.
  size_t Read(void* bufor, size_t liczba);

  // Typed reads raise EStrumien when the file ends inside the value.
  uint8_t CzytajBajt() {
    uint8_t b;
    CzytajBajty(&b, 1);
    return b;
  }
  int16_t CzytajI16();
  int32_t CzytajI32() {
    int32_t x;
    CzytajBajty(&x, 4);
    return x;
  }
  double CzytajF64();
  // Millions of small values are read one by one: those wholly inside the
  // buffer are copied here, the rest go the long way.
  void CzytajBajty(void* bufor, size_t liczba) {
    const int64_t wBuforze = pozycja_ - buforOd_;
    if (wBuforze >= 0 && static_cast<uint64_t>(wBuforze) + liczba <= bufor_.size()) {
      const unsigned char* z = bufor_.data() + wBuforze;
      // A call to memcpy costs more than the few bytes of a short list.
      if (liczba <= 16) std::copy_n(z, liczba, static_cast<unsigned char*>(bufor));
      else std::memcpy(bufor, z, liczba);
      pozycja_ += static_cast<int64_t>(liczba);
      return;
    }
    CzytajBajtyZDysku(bufor, liczba);
  }

  // An int32 count of items that take at least `bajtowNaPozycje` bytes each;
  // raises EStrumien when it is negative or the rest of the file cannot hold it.
  int32_t CzytajLiczbe(int64_t bajtowNaPozycje) {
    const int32_t n = CzytajI32();
    if (n < 0 || n * std::max<int64_t>(bajtowNaPozycje, 0) > Pozostalo()) ZlaLiczba();
    return n;
  }

  bool IdzDoSekcji(int i);
  void Pomin(int64_t n);  // raises EStrumien past the end of the file

  int64_t Pozycja() const { return pozycja_; }
  int64_t Pozostalo() const { return rozmiar_ - pozycja_; }

  // Version byte of the file, set by whoever read it; the models' reads
  // choose their record forms by it.
  int Wersja = 103;

 private:
  size_t Wczytaj(int64_t odkad, void* dokad, size_t liczba);
  void CzytajBajtyZDysku(void* bufor, size_t liczba);
  [[noreturn]] static void ZlaLiczba();

  int fd_ = -1;
  int64_t rozmiar_ = 0;
  TKatalogSekcji sekcje_;
  std::vector<unsigned char> bufor_;  // the file's bytes from buforOd_
  int64_t buforOd_ = 0;
  int64_t pozycja_ = 0;
};

}  // namespace velmor
