#include "core/document/konfiguracja.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"
#include "core/model/wspolne.h"

namespace velmor {

std::filesystem::path PlikKonfiguracji(const TParametryUruchomieniowe& p) {
  return std::filesystem::path(p.KatalogDokumentow + "vlm" + "2025" + ".cfg");
}

namespace {

// The name stored in the file.
std::optional<std::string> NazwaZapisana(const TParametryUruchomieniowe& p) {
  std::ifstream plik(PlikKonfiguracji(p), std::ios::binary);
  if (!plik) return std::nullopt;
  const std::vector<char> dane{std::istreambuf_iterator<char>(plik),
                               std::istreambuf_iterator<char>()};
  if (dane.empty()) return std::nullopt;
  if (static_cast<uint8_t>(dane[0]) != kWersjaZapisu) {
    EOrvelError blad(4);
    return std::nullopt;
  }
  int32_t dlugosc;
  if (dane.size() < 5) return std::nullopt;
  std::memcpy(&dlugosc, dane.data() + 1, 4);
  if (dlugosc < 0 || static_cast<size_t>(dlugosc) > dane.size() - 5) return std::nullopt;
  return Cp1250DoUtf8(std::string_view(dane.data() + 5, static_cast<size_t>(dlugosc)));
}

}  // namespace

std::optional<std::string> CzytajKonfiguracje(const TParametryUruchomieniowe& p) {
  std::optional<std::string> nazwa = NazwaZapisana(p);
  // A file the user named is opened even on the first start.
  if (p.JestPlik) return p.Plik;
  if (nazwa && nazwa->empty()) return std::nullopt;
  return nazwa;
}

bool ZapiszKonfiguracje(const TParametryUruchomieniowe& p, const std::string& nazwa) {
  const std::string tekst = Utf8DoCp1250(nazwa);
  const auto dlugosc = static_cast<int32_t>(tekst.size());
  std::ofstream plik(PlikKonfiguracji(p), std::ios::binary | std::ios::trunc);
  plik.put(static_cast<char>(kWersjaZapisu));
  plik.write(reinterpret_cast<const char*>(&dlugosc), 4);
  plik.write(tekst.data(), dlugosc);
  plik.close();
  return static_cast<bool>(plik);
}

}  // namespace velmor
