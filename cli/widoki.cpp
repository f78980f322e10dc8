#include "cli/widoki.h"

#include <algorithm>

namespace velmor::cli {
namespace {

size_t Szerokosc(const std::string& utf8) {
  return static_cast<size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::string JakoTekst(const TTabela& t) {
  std::vector<size_t> szer;
  for (const auto& w : t)
    for (size_t k = 0; k < w.size(); ++k) {
      if (k >= szer.size()) szer.push_back(0);
      szer[k] = std::max(szer[k], Szerokosc(w[k]));
    }
  std::string wynik;
  for (const auto& w : t) {
    std::string linia;
    for (size_t k = 0; k < w.size(); ++k) {
      linia += w[k];
      if (k + 1 < w.size()) linia += std::string(szer[k] - Szerokosc(w[k]) + 2, ' ');
    }
    linia.erase(linia.find_last_not_of(' ') + 1);
    wynik += linia + '\n';
  }
  return wynik;
}

std::string JakoTsv(const TTabela& t) {
  std::string wynik;
  for (const auto& w : t) {
    for (size_t k = 0; k < w.size(); ++k) wynik += (k ? "\t" : "") + w[k];
    wynik += '\n';
  }
  return wynik;
}

}  // namespace velmor::cli
