#include "cli/argumenty.h"

#include <charconv>

namespace velmor::cli {
namespace {

int Liczba(const std::string& tekst, const std::string& opcja) {
  int x = 0;
  const auto [koniec, blad] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), x);
  if (blad != std::errc() || koniec != tekst.data() + tekst.size() || x < 0)
    throw EUzycie("niepoprawny zakres w " + opcja + ": " + tekst);
  return x;
}

}  // namespace

TArgumenty::TArgumenty(const std::vector<std::string>& argumenty,
                       const std::set<std::string>& zWartoscia,
                       const std::set<std::string>& flagi) {
  for (size_t i = 0; i < argumenty.size(); ++i) {
    const std::string& a = argumenty[i];
    if (zWartoscia.count(a)) {
      if (i + 1 >= argumenty.size()) throw EUzycie("brak wartości opcji " + a);
      opcje_[a] = argumenty[++i];
    } else if (flagi.count(a)) {
      flagi_.insert(a);
    } else if (a.size() > 1 && a[0] == '-') {
      throw EUzycie("nieznana opcja " + a);
    } else {
      pozycyjne_.push_back(a);
    }
  }
}

const std::string& JedenPlik(const TArgumenty& a) {
  if (a.Pozycyjne().size() != 1) throw EUzycie("oczekiwano jednej nazwy pliku");
  return a.Pozycyjne()[0];
}

std::string Wymagana(const TArgumenty& a, const std::string& opcja) {
  const auto wartosc = a.Opcja(opcja);
  if (!wartosc) throw EUzycie("brak opcji " + opcja);
  return *wartosc;
}

std::optional<std::string> TArgumenty::Opcja(const std::string& nazwa) const {
  const auto it = opcje_.find(nazwa);
  if (it == opcje_.end()) return std::nullopt;
  return it->second;
}

std::optional<bool> TArgumenty::Wlacznik(const std::string& nazwa, const std::string& tak,
                                         const std::string& nie) const {
  const auto wartosc = Opcja(nazwa);
  if (!wartosc) return std::nullopt;
  if (*wartosc == tak) return true;
  if (*wartosc == nie) return false;
  throw EUzycie(nazwa + " przyjmuje " + tak + " albo " + nie);
}

std::optional<std::pair<int, int>> TArgumenty::Zakres(const std::string& nazwa) const {
  const auto wartosc = Opcja(nazwa);
  if (!wartosc) return std::nullopt;
  const size_t kreska = wartosc->find('-');
  const int od = Liczba(wartosc->substr(0, kreska), nazwa);
  const int doK = kreska == std::string::npos ? od : Liczba(wartosc->substr(kreska + 1), nazwa);
  if (doK < od) throw EUzycie("pusty zakres w " + nazwa + ": " + *wartosc);
  return std::pair{od, doK};
}

}  // namespace velmor::cli
