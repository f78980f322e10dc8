#include "core/archive/dysk.h"

#include <chrono>
#include <random>

#include "core/archive/bledy.h"
#include "core/archive/sciezka.h"

namespace velmor {

std::filesystem::path MiejscePliku(const std::filesystem::path& p) {
  std::filesystem::path wynik = p;
  for (int skok = 0; skok < 40; ++skok) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(wynik, ec)) return wynik;
    const std::filesystem::path cel = std::filesystem::read_symlink(wynik, ec);
    if (ec) throw EStrumien("nie można odczytać dowiązania: " + Utf8Sciezki(wynik));
    wynik = cel.is_absolute() ? cel : wynik.parent_path() / cel;
  }
  throw EStrumien("pętla dowiązań: " + Utf8Sciezki(p));
}

std::string LosowyPrzyrostek() {
  static std::mt19937_64 los{
      std::random_device{}() ^
      static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
  static const char kZnaki[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string s(8, ' ');
  for (char& c : s) c = kZnaki[los() % (sizeof(kZnaki) - 1)];
  return s;
}

}  // namespace velmor
