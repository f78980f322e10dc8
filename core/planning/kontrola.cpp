#include "core/planning/kontrola.h"

#include <algorithm>

#include "core/archive/cp1250.h"
#include "core/archive/liczebnik.h"
#include "core/planning/ogolne.h"
#include "core/planning/pokrycie.h"
#include "core/planning/powody.h"
#include "core/planning/rozpietosc.h"
#include "core/planning/warianty.h"

namespace velmor {
namespace {

std::string Nazwisko(const TModele& m, int t) {
  return Cp1250DoUtf8(m.Nauczyciele[t].NazwaNauczyciela());
}

bool DlugiMoment(const TModele& m, int k) { return k < m.Momenty.Liczba() && m.Momenty[k].Dluga; }

// The cells: empty ones with their reasons, and what each duty breaks.
void KontrolaKomorek(const TModele& m, std::vector<TUwaga>& uwagi) {
  const TOgolne o(m);
  const TZasadyOceny zasady = TZasadyOceny::Z(m.Opcje, true);
  const int n = m.Nauczyciele.Liczba();
  const int rejonow = std::min(m.Dyzury.LiczbaRejonow(), m.Rejony.Liczba());
  for (int k = 0; k < m.Dyzury.LiczbaMomentow(); ++k) {
    std::vector<int> rejonyNauczyciela(static_cast<size_t>(n), 0);
    for (int r = 0; r < rejonow; ++r) {
      const uint8_t v = m.Dyzury.Dyzurny(r, k);
      const auto dodaj = [&](TRodzajUwagi rodzaj, int t, std::string tekst) {
        uwagi.push_back({rodzaj, k, r, t, std::move(tekst)});
      };
      if (v == kZamkniete) continue;
      if (v == kBrak) {
        dodaj(TRodzajUwagi::kPusta, -1,
              "Pusta komórka: " + OpisPowodow(m, PowodyPustej(m, r, k, zasady)));
        continue;
      }
      if (v >= n) {
        dodaj(TRodzajUwagi::kBlednyNauczyciel, -1,
              "Komórka bez nauczyciela planu (wartość " + std::to_string(v) + ")");
        continue;
      }
      const std::string kto = Nazwisko(m, v);
      if (k < m.Nauczyciele[v].Dyspozycja.Liczba() && m.Nauczyciele[v].Dyspozycja[k].Zakaz)
        dodaj(TRodzajUwagi::kZakaz, v, kto + ": dyżur mimo zakazu");
      if (++rejonyNauczyciela[v] == 2)
        dodaj(TRodzajUwagi::kDwaRejony, v, kto + ": dyżur w dwóch rejonach naraz");
      if (o.kod_obecnosci(v, r, k) == kObecnoscBrak)
        dodaj(TRodzajUwagi::kNieMaWSzkole, v,
              kto + ": nie ma lekcji tuż przed ani tuż po przerwie");
    }
  }
}

// Long-break duties per teacher and day, where one a day is the rule.
void KontrolaDlugich(const TModele& m, std::vector<TUwaga>& uwagi) {
  if (!m.Opcje.JednaDluga() || m.Dni.Dni.empty()) return;
  const TOgolne o(m);
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    int ostatniDzien = -1;
    for (int k = 0; k < m.Dyzury.LiczbaMomentow(); ++k) {
      if (!DlugiMoment(m, k) || o.rejon_dyzuru(t, k) == kBrak) continue;
      const int dzien = m.Dni.DzienILekcja(k).first;
      if (dzien == ostatniDzien || o.dlugie_dyzury_dnia(t, k) < 2) continue;
      ostatniDzien = dzien;
      uwagi.push_back({TRodzajUwagi::kDwieDlugie, k, -1, t,
                       Nazwisko(m, t) + ": " + std::to_string(o.dlugie_dyzury_dnia(t, k)) +
                           " dyżury na długich przerwach jednego dnia"});
    }
  }
}

// Limits, idle teachers and the spread.
void KontrolaObciazen(const TModele& m, std::vector<TUwaga>& uwagi) {
  const TObciazenia obc = TOgolne(m).policz_obciazenia();
  const int n = m.Nauczyciele.Liczba();
  bool ktosULimitu = false;
  for (int t = 0; t < n; ++t) {
    const TNaucz& nt = m.Nauczyciele[t];
    const int d = obc.Dyzury[static_cast<size_t>(t)], min = obc.Minuty[static_cast<size_t>(t)];
    ktosULimitu = ktosULimitu || (nt.LimitDyzurow > 0 && d >= nt.LimitDyzurow);
    if (d > nt.LimitDyzurow)
      uwagi.push_back({TRodzajUwagi::kLimitDyzurow, -1, -1, t,
                       Nazwisko(m, t) + ": " + Liczebnik(d, "dyżur", "dyżury", "dyżurów") +
                           " przy limicie " + std::to_string(nt.LimitDyzurow)});
    if (min > nt.LimitMinut)
      uwagi.push_back({TRodzajUwagi::kLimitMinut, -1, -1, t,
                       Nazwisko(m, t) + ": " + Liczebnik(min, "minuta", "minuty", "minut") +
                           " przy limicie " + std::to_string(nt.LimitMinut)});
  }
  if (n == 0) return;
  if (ktosULimitu)
    for (int t = 0; t < n; ++t)
      if (obc.Dyzury[static_cast<size_t>(t)] == 0 && m.Nauczyciele[t].LimitDyzurow > 0)
        uwagi.push_back({TRodzajUwagi::kBezDyzuru, -1, -1, t,
                         Nazwisko(m, t) + ": bez dyżuru, choć inni są u limitu"});
  const auto [mniej, wiecej] = std::minmax_element(obc.Dyzury.begin(), obc.Dyzury.end());
  double najmniejszyUdzial = 100, najwiekszyUdzial = 0;
  for (int t = 0; t < n; ++t) {
    const int limit = m.Nauczyciele[t].LimitDyzurow;
    if (limit <= 0) continue;
    const double udzial = 100.0 * obc.Dyzury[static_cast<size_t>(t)] / limit;
    najmniejszyUdzial = std::min(najmniejszyUdzial, udzial);
    najwiekszyUdzial = std::max(najwiekszyUdzial, udzial);
  }
  const auto minuty = std::minmax_element(obc.Minuty.begin(), obc.Minuty.end());
  std::string tekst = "Rozkład: dyżurów od " + std::to_string(*mniej) + " do " +
                      std::to_string(*wiecej) + ", minut od " + std::to_string(*minuty.first) +
                      " do " + std::to_string(*minuty.second);
  if (najwiekszyUdzial >= najmniejszyUdzial)
    tekst += ", limitu od " + std::to_string(static_cast<int>(najmniejszyUdzial + 0.5)) + "% do " +
             std::to_string(static_cast<int>(najwiekszyUdzial + 0.5)) + "%";
  if (const TRozpietosc r = Rozpietosc(m); r.Nauczycieli > 0)
    tekst.append("; ").append(OpisRozpietosci(r));
  uwagi.push_back({TRodzajUwagi::kRozklad, -1, -1, -1, tekst});
}

void Zastepstwa(const TModele& m, std::vector<TUwaga>& uwagi) {
  const std::vector<TKsiega> k = KsiegaZastepstw(m);
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    const TKsiega& w = k[static_cast<size_t>(t)];
    if (w.Dane + w.Otrzymane + w.Odwolane == 0) continue;
    uwagi.push_back({TRodzajUwagi::kZastepstwa, -1, -1, t,
                     Nazwisko(m, t) + ": zastępstwa w semestrze: za innych " +
                         std::to_string(w.Dane) + ", zastąpione " + std::to_string(w.Otrzymane) +
                         ", odwołane " + std::to_string(w.Odwolane) + " (dyżurów w planie " +
                         std::to_string(w.Plan) + ")"});
  }
}

}  // namespace

std::vector<TUwaga> KontrolaPlanu(const TModele& m) {
  std::vector<TUwaga> uwagi;
  KontrolaKomorek(m, uwagi);
  KontrolaDlugich(m, uwagi);
  KontrolaObciazen(m, uwagi);
  Zastepstwa(m, uwagi);
  return uwagi;
}

const char* NazwaRodzaju(TRodzajUwagi r) {
  switch (r) {
    case TRodzajUwagi::kPusta: return "empty";
    case TRodzajUwagi::kLimitDyzurow: return "count-limit";
    case TRodzajUwagi::kLimitMinut: return "minutes-limit";
    case TRodzajUwagi::kZakaz: return "banned";
    case TRodzajUwagi::kDwaRejony: return "two-regions";
    case TRodzajUwagi::kNieMaWSzkole: return "not-at-school";
    case TRodzajUwagi::kDwieDlugie: return "long-breaks";
    case TRodzajUwagi::kBlednyNauczyciel: return "invalid-teacher";
    case TRodzajUwagi::kBezDyzuru: return "idle";
    case TRodzajUwagi::kRozklad: return "spread";
    case TRodzajUwagi::kZastepstwa: return "cover";
  }
  return "";
}

}  // namespace velmor
