#pragma once
// Temporary folders and raw file bytes for the archive tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace velmor::testy {

using TBajty = std::vector<uint8_t>;

// A fresh folder under the system's temporary folder, removed with its contents.
class TFolder {
 public:
  TFolder() {
    static int licznik = 0;
    static const unsigned proces = std::random_device{}();
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string nazwa = "velmor_" + std::to_string(proces) + "_" + std::to_string(++licznik);
    if (test) nazwa += std::string("_") + test->name();
    sciezka_ = std::filesystem::temp_directory_path() / nazwa;
    std::filesystem::remove_all(sciezka_);
    std::filesystem::create_directories(sciezka_);
  }
  ~TFolder() {
    std::error_code blad;
    std::filesystem::remove_all(sciezka_, blad);
  }
  TFolder(const TFolder&) = delete;
  TFolder& operator=(const TFolder&) = delete;

  std::filesystem::path operator/(const std::string& plik) const { return sciezka_ / plik; }

 private:
  std::filesystem::path sciezka_;
};

// The names in a folder, sorted.
inline std::vector<std::string> PlikiFolderu(const std::filesystem::path& folder) {
  std::vector<std::string> nazwy;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    nazwy.push_back(e.path().filename().string());
  std::sort(nazwy.begin(), nazwy.end());
  return nazwy;
}

inline std::vector<std::string> PlikiFolderu(const TFolder& folder) {
  return PlikiFolderu(folder / "");
}

inline TBajty CzytajPlik(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  return TBajty(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline void ZapiszPlik(const std::filesystem::path& p, const TBajty& bajty) {
  std::ofstream f(p, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bajty.data()), static_cast<std::streamsize>(bajty.size()));
}

inline int32_t I32Z(const TBajty& b, size_t o) {
  int32_t x;
  std::memcpy(&x, b.data() + o, 4);
  return x;
}

// Appends little-endian values to a byte list.
inline void Dopisz(TBajty& b, std::initializer_list<uint8_t> bajty) { b.insert(b.end(), bajty); }
inline void DopiszI16(TBajty& b, int16_t x) {
  const auto u = static_cast<uint16_t>(x);
  b.push_back(static_cast<uint8_t>(u));
  b.push_back(static_cast<uint8_t>(u >> 8));
}
inline void DopiszI32(TBajty& b, int32_t x) {
  const auto u = static_cast<uint32_t>(x);
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(u >> (8 * i)));
}
inline void DopiszF64(TBajty& b, double x) {
  uint64_t u;
  std::memcpy(&u, &x, 8);
  for (int i = 0; i < 8; ++i) b.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

// A container whose section 0 starts right after the version byte and holds `tresc`.
inline TBajty Kontener(uint8_t wersja, const TBajty& tresc) {
  TBajty b;
  DopiszI32(b, 121);
  for (int i = 1; i < 30; ++i) DopiszI32(b, -1);
  b.push_back(wersja);
  b.insert(b.end(), tresc.begin(), tresc.end());
  return b;
}

}  // namespace velmor::testy
