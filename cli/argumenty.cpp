#include "cli/argumenty.h"

#include <charconv>

#include "core/eksport/nazwy.h"
#include "core/model/data.h"

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
      opcje_[a].push_back(argumenty[++i]);
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
  return it->second.back();
}

std::vector<std::string> TArgumenty::Wszystkie(const std::string& nazwa) const {
  const auto it = opcje_.find(nazwa);
  return it == opcje_.end() ? std::vector<std::string>{} : it->second;
}

int Calkowita(const std::string& tekst) {
  int x = 0;
  const auto [koniec, blad] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), x);
  return blad == std::errc() && koniec == tekst.data() + tekst.size() && x >= 0 ? x : -1;
}

double DataOpcji(const std::string& opcja, const std::string& tekst) {
  std::optional<double> data;
  if (tekst.size() == 10 && tekst[4] == '-' && tekst[7] == '-')
    data = ZakodujDate(Calkowita(tekst.substr(0, 4)), Calkowita(tekst.substr(5, 2)),
                       Calkowita(tekst.substr(8, 2)));
  if (!data) throw EUzycie(opcja + " przyjmuje datę RRRR-MM-DD: " + tekst);
  return *data;
}

int WybranyNauczyciel(const TModele& m, const std::string& kto, const char* kilku) {
  const std::vector<int> znalezieni = ZnajdzNauczycieli(m, kto);
  if (znalezieni.empty()) {
    std::string podobni;
    for (const std::string& n : PodobniNauczyciele(m, kto)) podobni += "\n  " + n;
    throw EUzycie("nie ma nauczyciela \"" + kto + "\"" +
                  (podobni.empty() ? "" : "; podobni:" + podobni));
  }
  if (znalezieni.size() > 1)
    throw EUzycie("\"" + kto + "\" nazywa się " + std::to_string(znalezieni.size()) +
                  " nauczycieli" + kilku);
  return znalezieni[0];
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
