#include "core/document/konfiguracja.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"
#include "core/archive/sciezka.h"
#include "core/model/wspolne.h"

namespace velmor {

std::filesystem::path PlikKonfiguracji(const TParametryUruchomieniowe& p) {
  return SciezkaZUtf8(p.KatalogDokumentow + "vlm" + "2025" + ".cfg");
}

namespace {

// Longer names are no path: the file is damaged.
constexpr int32_t kNajdluzszaNazwa = 1 << 16;
// After the Windows-1250 name, a name that code page cannot hold follows in
// UTF-8 under this tag; readers of the plain form stop before it.
constexpr char kZnacznikUtf8[4] = {'U', 'T', 'F', '8'};

// The next int32-counted text, or nothing when the file ends first.
std::optional<std::string> CzytajNapis(std::ifstream& plik) {
  int32_t dlugosc = 0;
  if (!plik.read(reinterpret_cast<char*>(&dlugosc), 4)) return std::nullopt;
  if (dlugosc < 0 || dlugosc > kNajdluzszaNazwa) return std::nullopt;
  std::string tekst(static_cast<size_t>(dlugosc), '\0');
  if (!plik.read(tekst.data(), dlugosc)) return std::nullopt;
  return tekst;
}

void ZapiszNapis(std::ofstream& plik, const std::string& tekst) {
  const auto dlugosc = static_cast<int32_t>(tekst.size());
  plik.write(reinterpret_cast<const char*>(&dlugosc), 4);
  plik.write(tekst.data(), dlugosc);
}

// The name stored in the file. Only a regular file is read, and never more
// than the names it declares.
std::optional<std::string> NazwaZapisana(const TParametryUruchomieniowe& p) {
  std::error_code blad;
  if (!std::filesystem::is_regular_file(PlikKonfiguracji(p), blad)) return std::nullopt;
  std::ifstream plik(PlikKonfiguracji(p), std::ios::binary);
  char wersja = 0;
  if (!plik.get(wersja)) return std::nullopt;
  if (static_cast<uint8_t>(wersja) != kWersjaZapisu) {
    EOrvelError blad4(4);
    return std::nullopt;
  }
  const std::optional<std::string> nazwa = CzytajNapis(plik);
  if (!nazwa) return std::nullopt;
  char znacznik[4] = {};
  if (plik.read(znacznik, 4) && std::equal(znacznik, znacznik + 4, kZnacznikUtf8)) {
    if (std::optional<std::string> utf8 = CzytajNapis(plik)) return utf8;
  }
  return Cp1250DoUtf8(*nazwa);
}

}  // namespace

std::optional<std::string> CzytajKonfiguracje(const TParametryUruchomieniowe& p) {
  std::optional<std::string> nazwa;
  try {
    nazwa = NazwaZapisana(p);
  } catch (...) {
    // Whatever went wrong, there is no last document.
  }
  // A file the user named is opened even on the first start.
  if (p.JestPlik) return p.Plik;
  if (nazwa && nazwa->empty()) return std::nullopt;
  return nazwa;
}

bool ZapiszKonfiguracje(const TParametryUruchomieniowe& p, const std::string& nazwa) {
  const std::string tekst = Utf8DoCp1250(nazwa);
  std::ofstream plik(PlikKonfiguracji(p), std::ios::binary | std::ios::trunc);
  plik.put(static_cast<char>(kWersjaZapisu));
  ZapiszNapis(plik, tekst);
  if (Cp1250DoUtf8(tekst) != nazwa) {
    plik.write(kZnacznikUtf8, 4);
    ZapiszNapis(plik, nazwa);
  }
  plik.close();
  return static_cast<bool>(plik);
}

}  // namespace velmor
