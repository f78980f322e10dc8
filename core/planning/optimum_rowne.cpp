#include "core/planning/optimum_rowne.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "core/planning/ogolne.h"

namespace velmor {
namespace {

// A teacher's part of the programme.
struct TUdzial {
  std::vector<int> kolumny;
  std::vector<double> minuty;     // per column
  int dyzury = 0, minutyJuz = 0;  // outside the decided cells
  int limitDyzurow = 0, limitMinut = 0;
  std::vector<int> poziomy;  // poziomy[j] is 1 when he has over dyzury + j duties

  int Dyzury(const std::vector<double>& x) const {
    int ile = dyzury;
    for (int k : kolumny) ile += x[static_cast<size_t>(k)] > 0.5;
    return ile;
  }
  int Minuty(const std::vector<double>& x) const {
    double ile = minutyJuz;
    for (size_t i = 0; i < kolumny.size(); ++i)
      ile += x[static_cast<size_t>(kolumny[i])] > 0.5 ? minuty[i] : 0.0;
    return static_cast<int>(ile);
  }
};

// a / b, exactly.
struct TUlamek {
  int64_t a = 0, b = 1;
  bool operator<(const TUlamek& u) const { return a * u.b < u.a * b; }
};

// The larger share of his two limits at x; a limit of 0 gives no share.
TUlamek Obciazenie(const TUdzial& u, const std::vector<double>& x) {
  TUlamek o;
  if (u.limitDyzurow > 0) o = std::max(o, TUlamek{u.Dyzury(x), u.limitDyzurow});
  if (u.limitMinut > 0) o = std::max(o, TUlamek{u.Minuty(x), u.limitMinut});
  return o;
}

std::vector<TUdzial> Udzialy(const TProgramCalkowity& p, const TModele& m) {
  const TObciazenia o = TOgolne(m).policz_obciazenia();
  std::vector<TUdzial> u(static_cast<size_t>(m.Nauczyciele.Liczba()));
  for (size_t i = 0; i < p.Zm.size(); ++i) {
    TUdzial& n = u[static_cast<size_t>(p.Zm[i].t)];
    n.kolumny.push_back(static_cast<int>(i));
    n.minuty.push_back(MinutyMomentu(m, p.Zm[i].m));
  }
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    TUdzial& n = u[static_cast<size_t>(t)];
    n.dyzury = o.Dyzury[static_cast<size_t>(t)];
    n.minutyJuz = o.Minuty[static_cast<size_t>(t)];
    n.limitDyzurow = m.Nauczyciele[t].LimitDyzurow;
    n.limitMinut = m.Nauczyciele[t].LimitMinut;
  }
  return u;
}

void DodajWiersz(TProgramCalkowity& p, std::vector<int> kolumny, std::vector<double> wsp,
                 double prawa) {
  p.Wiersze.push_back({std::move(kolumny), std::move(wsp), prawa});
}

// One stage: p minimised for `cel` from x (a solution of every row), which
// becomes the best solution found.
bool Etap(TProgramCalkowity& p, std::vector<double> cel, std::vector<double>& x, TNadzor& n) {
  p.Cel = std::move(cel);
  TRozwiazanie r = Rozwiaz(p, x, n, false);
  x = std::move(r.x);
  return r.Optymalne;
}

// As many cells and clean cells as x has, from now on.
void UtrzymajKomorki(TProgramCalkowity& p, const std::vector<double>& x) {
  TWiersz wszystkie, czyste;
  for (size_t i = 0; i < p.Zm.size(); ++i) {
    wszystkie.kolumny.push_back(static_cast<int>(i));
    wszystkie.wspolczynniki.push_back(-1.0);
    wszystkie.prawa -= x[i] > 0.5;
    if (!p.Zm[i].czysty) continue;
    czyste.kolumny.push_back(static_cast<int>(i));
    czyste.wspolczynniki.push_back(-1.0);
    czyste.prawa -= x[i] > 0.5;
  }
  p.Wiersze.push_back(std::move(wszystkie));
  p.Wiersze.push_back(std::move(czyste));
}

// Caps every teacher's count and minutes at load r.
void Limity(TProgramCalkowity& p, const std::vector<TUdzial>& u, TUlamek r) {
  for (const TUdzial& d : u) {
    if (d.kolumny.empty()) continue;
    if (d.limitDyzurow > 0)
      DodajWiersz(p, d.kolumny, std::vector<double>(d.kolumny.size(), 1.0),
                  static_cast<double>(r.a * d.limitDyzurow / r.b - d.dyzury));
    if (d.limitMinut > 0)
      DodajWiersz(p, d.kolumny, d.minuty,
                  static_cast<double>(r.a * d.limitMinut / r.b - d.minutyJuz));
  }
}

// The loads at which the caps change, up to `gorna`, in order.
std::vector<TUlamek> Progi(const std::vector<TUdzial>& u, TUlamek gorna) {
  std::vector<TUlamek> progi;
  for (const TUdzial& d : u) {
    if (d.limitDyzurow > 0)
      for (int c = d.dyzury; TUlamek{c, d.limitDyzurow} < gorna; ++c)
        progi.push_back({c, d.limitDyzurow});
    if (d.limitMinut > 0)
      for (int mi = d.minutyJuz; TUlamek{mi, d.limitMinut} < gorna; ++mi)
        progi.push_back({mi, d.limitMinut});
  }
  progi.push_back(gorna);
  std::sort(progi.begin(), progi.end());
  progi.erase(std::unique(progi.begin(), progi.end(),
                          [](TUlamek a, TUlamek b) { return !(a < b) && !(b < a); }),
              progi.end());
  return progi;
}

// x with each teacher's dearest duties dropped until his load is at most r:
// a start under r's caps.
std::vector<double> WGranicy(const TProgramCalkowity& p, const std::vector<TUdzial>& u,
                             std::vector<double> x, TUlamek r) {
  for (const TUdzial& d : u) {
    std::vector<size_t> wziete;
    for (size_t i = 0; i < d.kolumny.size(); ++i)
      if (x[static_cast<size_t>(d.kolumny[i])] > 0.5) wziete.push_back(i);
    std::sort(wziete.begin(), wziete.end(),
              [&](size_t a, size_t b) { return d.minuty[a] < d.minuty[b]; });
    while (!wziete.empty() && r < Obciazenie(d, x)) {
      x[static_cast<size_t>(d.kolumny[wziete.back()])] = 0.0;
      wziete.pop_back();
    }
  }
  Uzupelnij(p, x);
  return x;
}

// The smallest largest load: the smallest threshold at which the caps still
// let the solver fill as many cells and clean cells as x, searched by
// halves. Its caps stay; x becomes a plan under them.
bool NajmniejszeObciazenie(TProgramCalkowity& p, const std::vector<TUdzial>& u,
                           std::vector<double>& x, TNadzor& n) {
  TUlamek gorna;
  for (const TUdzial& d : u) gorna = std::max(gorna, Obciazenie(d, x));
  std::vector<TUlamek> progi = Progi(u, gorna);
  // A load no cell here changes is a floor: below it every threshold ties.
  TUlamek dolna;
  for (const TUdzial& d : u)
    if (d.kolumny.empty()) dolna = std::max(dolna, Obciazenie(d, x));
  std::erase_if(progi, [&](TUlamek q) { return q < dolna && q < gorna; });
  int komorek = 0, czystych = 0;
  std::vector<double> cel(p.Cel.size(), 0.0);
  for (size_t i = 0; i < p.Zm.size(); ++i) {
    komorek += x[i] > 0.5;
    czystych += x[i] > 0.5 && p.Zm[i].czysty;
    cel[i] = -(static_cast<double>(p.Zm.size()) + 1.0) - (p.Zm[i].czysty ? 1.0 : 0.0);
  }
  const double cel0 = -(static_cast<double>(p.Zm.size()) + 1.0) * komorek - czystych;
  const std::vector<double> celPrzed = p.Cel;
  p.Cel = cel;
  bool udowodnione = true;
  size_t od = 0, doo = progi.size() - 1;  // progi[doo] is reached
  while (od < doo && n.Dalej()) {
    const size_t srodek = (od + doo) / 2;
    const size_t wierszy = p.Wiersze.size();
    Limity(p, u, progi[srodek]);
    const TRozwiazanie r = Rozwiaz(p, WGranicy(p, u, x, progi[srodek]), n, false);
    p.Wiersze.resize(wierszy);
    if (Wartosc(p.Cel, r.x) <= cel0 + 0.5) {
      doo = srodek;
      x = r.x;
    } else {
      udowodnione = udowodnione && (r.Optymalne || r.Granica > cel0 + 0.5);
      od = srodek + 1;
    }
  }
  p.Cel = celPrzed;
  Limity(p, u, progi[doo]);
  return udowodnione && od == doo;
}

// Level columns of each teacher: his columns sum to his levels, taken from
// the lowest up.
void Poziomy(TProgramCalkowity& p, std::vector<TUdzial>& u, std::vector<double>& x) {
  for (TUdzial& d : u) {
    const int wiecej = d.Dyzury(x) - d.dyzury;
    int najwiecej = static_cast<int>(d.kolumny.size());
    if (d.limitDyzurow > 0) najwiecej = std::min(najwiecej, std::max(d.limitDyzurow - d.dyzury, 0));
    TWiersz suma{d.kolumny, std::vector<double>(d.kolumny.size(), 1.0), 0.0};
    for (int j = 0; j < std::max(najwiecej, wiecej); ++j) {
      d.poziomy.push_back(p.DodajKolumne());
      x.push_back(j < wiecej ? 1.0 : 0.0);
      suma.kolumny.push_back(d.poziomy.back());
      suma.wspolczynniki.push_back(-1.0);
      if (j > 0)
        DodajWiersz(p, {d.poziomy[static_cast<size_t>(j)], d.poziomy[static_cast<size_t>(j) - 1]},
                    {1.0, -1.0}, 0.0);
    }
    p.Rowne.push_back(p.Wiersze.size());
    p.Wiersze.push_back(std::move(suma));
  }
}

// One stage on groups of 0-1 columns, the first the most important: each
// group's sum made smallest (or, with `najwiecej`, largest) in that order,
// by weights that let one unit of a group outweigh every later group; and
// kept so.
bool Liczniki(TProgramCalkowity& p, const std::vector<std::vector<int>>& grupy, bool najwiecej,
              std::vector<double>& x, TNadzor& n) {
  const double znak = najwiecej ? -1.0 : 1.0;
  const auto suma = [&](const std::vector<int>& k) {
    double s = 0;
    for (int i : k) s += x[static_cast<size_t>(i)];
    return s;
  };
  bool udowodnione = true;
  if (std::any_of(grupy.begin(), grupy.end(), [&](const std::vector<int>& k) {
        return suma(k) != (najwiecej ? static_cast<double>(k.size()) : 0.0);
      })) {
    size_t najwieksza = 0;
    for (const auto& k : grupy) najwieksza = std::max(najwieksza, k.size());
    std::vector<double> cel(p.Cel.size(), 0.0);
    double waga = 1;
    for (auto g = grupy.rbegin(); g != grupy.rend(); ++g) {
      for (int i : *g) cel[static_cast<size_t>(i)] = znak * waga;
      waga *= static_cast<double>(najwieksza + 1);
    }
    udowodnione = Etap(p, std::move(cel), x, n);
  }
  for (const auto& k : grupy)
    DodajWiersz(p, k, std::vector<double>(k.size(), znak), znak * suma(k));
  return udowodnione;
}

// The fewest teachers at each count from the largest down to 2, a few
// counts a stage, then the most with a duty among those who have none
// outside these cells.
bool Wyrownane(TProgramCalkowity& p, const std::vector<TUdzial>& u, std::vector<double>& x,
               TNadzor& n) {
  int najwiecej = 0;
  for (const TUdzial& d : u)
    najwiecej = std::max(najwiecej, d.dyzury + static_cast<int>(d.poziomy.size()));
  std::vector<std::vector<int>> poziomy;
  for (int poziom = najwiecej; poziom >= 2; --poziom) {
    std::vector<int> k;
    for (const TUdzial& d : u)
      if (const int j = poziom - d.dyzury - 1; j >= 0 && j < static_cast<int>(d.poziomy.size()))
        k.push_back(d.poziomy[static_cast<size_t>(j)]);
    if (!k.empty()) poziomy.push_back(std::move(k));
  }
  // Weights up to about 1e7: as many counts a stage as that allows.
  const double podstawa = static_cast<double>(u.size()) + 1.0;
  const size_t naEtap =
      std::max<size_t>(1, static_cast<size_t>(std::log(1e7) / std::log(podstawa)));
  bool udowodnione = true;
  for (size_t od = 0; od < poziomy.size() && n.Dalej(); od += naEtap) {
    const auto koniec =
        poziomy.begin() + static_cast<std::ptrdiff_t>(std::min(od + naEtap, poziomy.size()));
    udowodnione =
        Liczniki(p, {poziomy.begin() + static_cast<std::ptrdiff_t>(od), koniec}, false, x, n) &&
        udowodnione;
  }
  std::vector<int> bezDyzuru;
  for (const TUdzial& d : u)
    if (d.dyzury == 0 && !d.poziomy.empty()) bezDyzuru.push_back(d.poziomy[0]);
  if (!bezDyzuru.empty() && n.Dalej())
    udowodnione = Liczniki(p, {bezDyzuru}, true, x, n) && udowodnione;
  return udowodnione && n.Dalej();
}

}  // namespace

int Punkty(const TProgramCalkowity& p, const std::vector<double>& x) {
  int punkty = 0;
  for (size_t i = 0; i < p.Zm.size(); ++i) punkty += x[i] > 0.5 ? p.Zm[i].moc : 0;
  for (size_t q = 0; q < p.Pary.size(); ++q)
    punkty += x[static_cast<size_t>(p.KolumnaPary(q))] > 0.5 ? p.Pary[q].premia : 0;
  return punkty;
}

bool Wyrownaj(TProgramCalkowity& p, const TModele& m, std::vector<double>& x, TNadzor& n) {
  std::vector<TUdzial> u = Udzialy(p, m);
  bool udowodnione = NajmniejszeObciazenie(p, u, x, n);
  std::erase_if(u, [](const TUdzial& d) { return d.kolumny.empty(); });
  UtrzymajKomorki(p, x);
  if (!n.Dalej()) return false;
  Poziomy(p, u, x);
  udowodnione = Wyrownane(p, u, x, n) && udowodnione;
  if (!n.Dalej()) return false;
  std::vector<double> cel(p.Cel.size(), 0.0);
  for (size_t i = 0; i < p.Zm.size(); ++i) cel[i] = -p.Zm[i].moc;
  for (size_t q = 0; q < p.Pary.size(); ++q)
    cel[static_cast<size_t>(p.KolumnaPary(q))] = -p.Pary[q].premia;
  return Etap(p, std::move(cel), x, n) && udowodnione;
}

}  // namespace velmor
