#include "core/eksport/tabele.h"

#include <stdexcept>

#include "core/archive/cp1250.h"
#include "core/eksport/wspolne.h"
#include "core/planning/ogolne.h"

namespace velmor {
namespace {

constexpr const char* kKropki = ".....";
constexpr const char* kZnakZakazu = "[zakaz]";

std::string U(const std::string& cp1250) { return Cp1250DoUtf8(cp1250); }

// What stands in a cell with nothing in it.
const char* Puste(TPostac p) { return p == TPostac::Arkusz ? "" : kKropki; }

}  // namespace

std::string EtykietaMomentu(const TModele& m, int s) { return U(m.EtykietaMomentu(s)); }

TTabela WidokDyzurow(const TModele& m, TPostac p) {
  TTabela t{{"Moment"}};
  for (int r = 0; r < m.Dyzury.LiczbaRejonow(); ++r)
    t[0].push_back(m.Rejony.Istnieje(r) ? U(m.Rejony[r].Nazwa) : Puste(p));
  for (int s = 0; s < m.Dyzury.LiczbaMomentow(); ++s) {
    auto& wiersz = t.emplace_back(std::vector<std::string>{EtykietaMomentu(m, s)});
    for (int r = 0; r < m.Dyzury.LiczbaRejonow(); ++r) {
      const uint8_t v = m.Dyzury.Dyzurny(r, s);
      wiersz.push_back(m.Nauczyciele.Istnieje(v) ? U(m.Nauczyciele[v].NazwaNauczyciela())
                       : v == kBrak              ? Puste(p)
                       : v == kZamkniete         ? kZnakZakazu
                                                 : "");
    }
  }
  return t;
}

TTabela WidokNauczycieli(const TModele& m, TPostac p) {
  const TOgolne o(m);
  TTabela t{{"Moment"}};
  for (const TNaucz& n : m.Nauczyciele) t[0].push_back(U(n.Nazwisko));
  for (int s = 0; s < m.Dyzury.LiczbaMomentow(); ++s) {
    auto& wiersz = t.emplace_back(std::vector<std::string>{EtykietaMomentu(m, s)});
    for (int n = 0; n < m.Nauczyciele.Liczba(); ++n) {
      const uint8_t r = o.rejon_dyzuru(n, s);
      wiersz.push_back(m.Rejony.Istnieje(r) ? U(m.Rejony[r].Nazwa) : Puste(p));
    }
  }
  return t;
}

TTabela WidokObciazen(const TModele& m) {
  const TObciazenia obc = TOgolne(m).policz_obciazenia();
  TTabela t{{"Nauczyciel", "Dyżury", "Minuty", "Limit dyżurów", "Limit minut"}};
  for (int n = 0; n < m.Nauczyciele.Liczba(); ++n) {
    const TNaucz& x = m.Nauczyciele[n];
    const auto i = static_cast<size_t>(n);
    t.push_back({U(x.NazwaNauczyciela()), std::to_string(obc.Dyzury[i]),
                 std::to_string(obc.Minuty[i]), std::to_string(x.LimitDyzurow),
                 std::to_string(x.LimitMinut)});
  }
  return t;
}

TTabela WidokLimitow(const TModele& m, TPostac p) {
  const TOgolne o(m);
  const TObciazenia obc = o.policz_obciazenia();
  TTabela t{{"Kto?", "Ile razy?", "Ile minut?", "Dyspozycja"}};
  if (p == TPostac::Arkusz)
    t[0] = {"Nauczyciel", "Lekcje", "Limit dyżurów", "Dyżury", "Limit minut", "Minuty", "Zakazy"};
  for (int n = 0; n < m.Nauczyciele.Liczba(); ++n) {
    const TNaucz& x = m.Nauczyciele[n];
    const int zakazy = x.Dyspozycja.LiczbaZakazow();
    const auto i = static_cast<size_t>(n);
    if (p == TPostac::Arkusz) {
      t.push_back({U(x.Nazwisko + " " + x.Imie), std::to_string(o.liczba_lekcji(n)),
                   std::to_string(x.LimitDyzurow), std::to_string(obc.Dyzury[i]),
                   std::to_string(x.LimitMinut), std::to_string(obc.Minuty[i]),
                   std::to_string(zakazy)});
      continue;
    }
    t.push_back({U(x.Nazwisko + " " + x.Imie) + " (" + std::to_string(o.liczba_lekcji(n)) + ")",
                 std::to_string(x.LimitDyzurow) + " (" + std::to_string(obc.Dyzury[i]) + ")",
                 std::to_string(x.LimitMinut) + " (" + std::to_string(obc.Minuty[i]) + ")",
                 zakazy > 0 ? std::to_string(zakazy) : ""});
  }
  return t;
}

TTabela WidokDyzurowWierszami(const TModele& m) {
  TTabela t{{"Nazwisko", "Imię", "Dzień", "Przerwa", "Początek", "Koniec", "Rejon", "Minuty"}};
  for (const int n : NauczycieleAlfabetycznie(m)) {
    const TNaucz& x = m.Nauczyciele[n];
    for (const TDyzur& d : DyzuryNauczyciela(m, n)) {
      const auto godziny = GodzinyPrzerwy(m, d.Moment);
      t.push_back({U(x.Nazwisko), U(x.Imie), DzienMomentu(m, d.Moment),
                   U(m.Momenty[d.Moment].Nazwa), godziny ? Zegar(godziny->first, true) : "",
                   godziny ? Zegar(godziny->second, true) : "",
                   m.Rejony.Istnieje(d.Rejon) ? U(m.Rejony[d.Rejon].Nazwa) : "",
                   std::to_string(m.Momenty[d.Moment].Minuty)});
    }
  }
  return t;
}

bool ZnanyWidok(const std::string& nazwa) { return WidokOkna(nazwa) || nazwa == "duties"; }

bool WidokOkna(const std::string& nazwa) {
  return nazwa == "duty" || nazwa == "teachers" || nazwa == "loads" || nazwa == "limits";
}

TTabela Widok(const TModele& m, const std::string& nazwa, TPostac p) {
  if (nazwa == "duty") return WidokDyzurow(m, p);
  if (nazwa == "teachers") return WidokNauczycieli(m, p);
  if (nazwa == "loads") return WidokObciazen(m);
  if (nazwa == "limits") return WidokLimitow(m, p);
  if (nazwa == "duties") return WidokDyzurowWierszami(m);
  throw std::invalid_argument("nieznany widok: " + nazwa);
}

}  // namespace velmor
