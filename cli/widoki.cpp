#include "cli/widoki.h"

#include <algorithm>

#include "core/archive/cp1250.h"
#include "core/planning/ogolne.h"

namespace velmor::cli {
namespace {

constexpr const char* kKropki = ".....";
constexpr const char* kZnakZakazu = "[zakaz]";

std::string U(const std::string& cp1250) { return Cp1250DoUtf8(cp1250); }

size_t Szerokosc(const std::string& utf8) {
  return static_cast<size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::string EtykietaMomentu(const TModele& m, int s) {
  const std::string nazwa = s < m.Momenty.Liczba() ? m.Momenty[s].Nazwa : std::string();
  return U(TDni::NazwaDnia(m.Dni.DzienILekcja(s).first, 3) + " " + nazwa);
}

TTabela WidokDyzurow(const TModele& m) {
  TTabela t{{"Moment"}};
  for (int r = 0; r < m.Dyzury.LiczbaRejonow(); ++r)
    t[0].push_back(m.Rejony.Istnieje(r) ? U(m.Rejony[r].Nazwa) : kKropki);
  for (int s = 0; s < m.Dyzury.LiczbaMomentow(); ++s) {
    auto& wiersz = t.emplace_back(std::vector<std::string>{EtykietaMomentu(m, s)});
    for (int r = 0; r < m.Dyzury.LiczbaRejonow(); ++r) {
      const uint8_t v = m.Dyzury.Dyzurny(r, s);
      wiersz.push_back(m.Nauczyciele.Istnieje(v) ? U(m.Nauczyciele[v].NazwaNauczyciela())
                       : v == kBrak              ? kKropki
                       : v == kZamkniete         ? kZnakZakazu
                                                 : "");
    }
  }
  return t;
}

TTabela WidokNauczycieli(const TModele& m) {
  const TOgolne o(m);
  TTabela t{{"Moment"}};
  for (const TNaucz& n : m.Nauczyciele) t[0].push_back(U(n.Nazwisko));
  for (int s = 0; s < m.Dyzury.LiczbaMomentow(); ++s) {
    auto& wiersz = t.emplace_back(std::vector<std::string>{EtykietaMomentu(m, s)});
    for (int n = 0; n < m.Nauczyciele.Liczba(); ++n) {
      const uint8_t r = o.rejon_dyzuru(n, s);
      wiersz.push_back(m.Rejony.Istnieje(r) ? U(m.Rejony[r].Nazwa) : kKropki);
    }
  }
  return t;
}

TTabela WidokObciazen(const TModele& m) {
  const TObciazenia obc = TOgolne(m).policz_obciazenia();
  TTabela t{{"Nauczyciel", "Dyżury", "Minuty", "Limit dyżurów", "Limit minut"}};
  for (int n = 0; n < m.Nauczyciele.Liczba(); ++n) {
    const TNaucz& x = m.Nauczyciele[n];
    t.push_back({U(x.NazwaNauczyciela()), std::to_string(obc.Dyzury[n]),
                 std::to_string(obc.Minuty[n]), std::to_string(x.LimitDyzurow),
                 std::to_string(x.LimitMinut)});
  }
  return t;
}

TTabela WidokLimitow(const TModele& m) {
  const TOgolne o(m);
  const TObciazenia obc = o.policz_obciazenia();
  TTabela t{{"Kto?", "Ile razy?", "Ile minut?", "Dyspozycja"}};
  for (int n = 0; n < m.Nauczyciele.Liczba(); ++n) {
    const TNaucz& x = m.Nauczyciele[n];
    const int zakazy = x.Dyspozycja.LiczbaZakazow();
    t.push_back({U(x.Nazwisko + " " + x.Imie) + " (" + std::to_string(o.liczba_lekcji(n)) + ")",
                 std::to_string(x.LimitDyzurow) + " (" + std::to_string(obc.Dyzury[n]) + ")",
                 std::to_string(x.LimitMinut) + " (" + std::to_string(obc.Minuty[n]) + ")",
                 zakazy > 0 ? std::to_string(zakazy) : ""});
  }
  return t;
}

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
