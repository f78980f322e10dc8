// The first solution of the optimal entry's programme.
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/planning/optimum_program.h"

namespace velmor {
namespace {

// The first solution as it is built: the columns taken, what they put on
// each row the first solution keeps to, and who sits where.
class TStart {
 public:
  TStart(const TProgramCalkowity& p, int nauczycieli)
      : p_(p),
        momentow_(p.MomentDo - p.MomentOd + 1),
        x_(p.Cel.size(), 0.0),
        wierszeKolumny_(p.Zm.size()),
        aktywnosc_(p.WierszeStartu, 0.0),
        wKomorceJest_(p.Komorki.size(), -1),
        uNauczyciela_(static_cast<size_t>(nauczycieli) * static_cast<size_t>(momentow_), -1) {
    for (size_t j = 0; j < p.WierszeStartu; ++j)
      for (size_t k = 0; k < p.Wiersze[j].kolumny.size(); ++k) {
        const size_t kol = static_cast<size_t>(p.Wiersze[j].kolumny[k]);
        if (kol < p.Zm.size()) wierszeKolumny_[kol].emplace_back(j, p.Wiersze[j].wspolczynniki[k]);
        if (kol == p.Zm.size()) aktywnosc_[j] += p.Wiersze[j].wspolczynniki[k] * 100.0;
      }
  }

  // The greedy run's cells, each while it fits.
  // The run goes on m's own table, which is given back after: only the
  // table changes, and a copy of the whole model costs too much on large
  // plans.
  void Zachlanne(TModele& m, const TObszar& obszar, const TZasadyOceny& za) {
    TDyzury tabela = m.Dyzury;
    TWyborAutomatyczny wybor;
    TListaWariantow lista;
    wpisz_warianty(m, obszar, za, wybor, lista);
    for (size_t i = 0; i < p_.Zm.size(); ++i)
      if (m.Dyzury.Dyzurny(p_.Zm[i].r, p_.Zm[i].m) == p_.Zm[i].t &&
          wKomorceJest_[static_cast<size_t>(p_.Zm[i].komorka)] < 0 && Miesci(i))
        Ustaw(i, true);
    m.Dyzury = std::move(tabela);
  }

  // Each empty cell filled along the shortest chain of moves within its
  // moment: each teacher on it gives his cell to the next, and the last one
  // is free at that moment with room in his rows. A move keeps a teacher at
  // the same moment, so only the last one's rows change.
  void Lancuchy() {
    std::vector<std::vector<int>> kolejnosc = p_.WKomorce;  // a cell's columns, best first
    for (auto& k : kolejnosc)
      std::stable_sort(k.begin(), k.end(), [&](int a, int b) {
        return p_.Cel[static_cast<size_t>(a)] < p_.Cel[static_cast<size_t>(b)];
      });
    std::vector<int> skad(p_.Komorki.size(), -1);
    for (size_t c0 = 0; c0 < p_.Komorki.size(); ++c0)
      if (wKomorceJest_[c0] < 0 && !kolejnosc[c0].empty()) Lancuch(c0, kolejnosc, skad);
  }

  // The columns after the teachers': W as small as the fairness rows allow,
  // the pairs and the moment columns that follow from the cells. No cell at
  // all should a row not hold after all.
  std::vector<double> Wynik() {
    const bool spelnia = std::all_of(
        p_.Wiersze.begin(), p_.Wiersze.begin() + static_cast<std::ptrdiff_t>(p_.WierszeStartu),
        [&](const TWiersz& w) {
          return aktywnosc_[static_cast<size_t>(&w - p_.Wiersze.data())] <= w.prawa + 1e-6 ||
                 std::find(w.kolumny.begin(), w.kolumny.end(), p_.KolumnaW()) != w.kolumny.end();
        });
    if (!spelnia)
      for (size_t i = 0; i < p_.Zm.size(); ++i)
        if (x_[i] > 0.5) Ustaw(i, false);
    Uzupelnij(p_, x_);
    return x_;
  }

 private:
  // Whether column i fits, its own cell's row aside.
  bool Miesci(size_t i) const {
    const auto& ws = wierszeKolumny_[i];
    return std::none_of(ws.begin(), ws.end(), [&](const auto& jw) {
      return jw.first >= p_.WierszeKomorek &&
             aktywnosc_[jw.first] + jw.second > p_.Wiersze[jw.first].prawa + 1e-9;
    });
  }

  void Ustaw(size_t i, bool wziety) {
    const double ile = wziety ? 1.0 : -1.0;
    x_[i] += ile;
    for (const auto& [j, wsp] : wierszeKolumny_[i]) aktywnosc_[j] += ile * wsp;
    const TZmienna& v = p_.Zm[i];
    wKomorceJest_[static_cast<size_t>(v.komorka)] = wziety ? static_cast<int>(i) : -1;
    uNauczyciela_[Nm(v)] = wziety ? v.komorka : -1;
  }

  // The place of teacher v.t at moment v.m.
  size_t Nm(const TZmienna& v) const {
    return static_cast<size_t>(v.t) * static_cast<size_t>(momentow_) +
           static_cast<size_t>(v.m - p_.MomentOd);
  }

  // Breadth first over the cells of c0's moment: `skad` holds, for a cell
  // reached, the column that took its teacher away (-2 for c0).
  void Lancuch(size_t c0, const std::vector<std::vector<int>>& kolejnosc, std::vector<int>& skad) {
    std::vector<int> odwiedzone(1, static_cast<int>(c0));
    skad[c0] = -2;
    int koniec = -1;
    for (size_t q = 0; q < odwiedzone.size() && koniec < 0; ++q) {
      for (int i : kolejnosc[static_cast<size_t>(odwiedzone[q])]) {
        const int gdzie = uNauczyciela_[Nm(p_.Zm[static_cast<size_t>(i)])];
        if (gdzie < 0) {
          if (Miesci(static_cast<size_t>(i))) {
            koniec = i;
            break;
          }
        } else if (skad[static_cast<size_t>(gdzie)] == -1) {
          skad[static_cast<size_t>(gdzie)] = i;
          odwiedzone.push_back(gdzie);
        }
      }
    }
    if (koniec >= 0) {
      // Back along the chain: each cell's new column, its old one given up.
      std::vector<int> nowe;
      for (int i = koniec;;) {
        nowe.push_back(i);
        const int kom = p_.Zm[static_cast<size_t>(i)].komorka;
        if (skad[static_cast<size_t>(kom)] == -2) break;
        i = skad[static_cast<size_t>(kom)];
      }
      for (int i : nowe) {
        const size_t kom = static_cast<size_t>(p_.Zm[static_cast<size_t>(i)].komorka);
        if (wKomorceJest_[kom] >= 0) Ustaw(static_cast<size_t>(wKomorceJest_[kom]), false);
      }
      for (int i : nowe) Ustaw(static_cast<size_t>(i), true);
    }
    for (int kom : odwiedzone) skad[static_cast<size_t>(kom)] = -1;
  }

  const TProgramCalkowity& p_;
  int momentow_;
  std::vector<double> x_;                                               // the value of each column
  std::vector<std::vector<std::pair<size_t, double>>> wierszeKolumny_;  // rows of a column
  std::vector<double> aktywnosc_;                                       // the rows' left-hand sides
  std::vector<int> wKomorceJest_;  // the column taken in a cell, or -1
  std::vector<int> uNauczyciela_;  // the cell a teacher sits in at a moment, or -1
};

}  // namespace

std::vector<double> PierwszeRozwiazanie(const TProgramCalkowity& p, TModele& m,
                                        const TObszar& obszar, const TZasadyOceny& z) {
  TZasadyOceny za = z;
  za.Automatycznie = true;
  TStart start(p, m.Nauczyciele.Liczba());
  start.Zachlanne(m, obszar, za);
  start.Lancuchy();
  return start.Wynik();
}

void Uzupelnij(const TProgramCalkowity& p, std::vector<double>& x) {
  for (size_t q = 0; q < p.Pary.size(); ++q)
    x[static_cast<size_t>(p.KolumnaPary(q))] =
        std::min(x[static_cast<size_t>(p.Pary[q].i)], x[static_cast<size_t>(p.Pary[q].j)]);
  for (const auto& [_, kolumna] : p.KolumnyMomentow) x[static_cast<size_t>(kolumna)] = 0.0;
  for (size_t i = 0; i < p.Zm.size(); ++i)
    if (x[i] > 0.5)
      if (const auto it = p.KolumnyMomentow.find({p.Zm[i].t, p.Zm[i].m});
          it != p.KolumnyMomentow.end())
        x[static_cast<size_t>(it->second)] = 1.0;
  // A fairness row reads (its x part) - limit * W <= rhs.
  double w = 0;
  for (size_t j = 0; j < p.WierszeStartu; ++j) {
    const TWiersz& r = p.Wiersze[j];
    double aktywnosc = 0, limit = 0;
    for (size_t k = 0; k < r.kolumny.size(); ++k) {
      if (r.kolumny[k] == p.KolumnaW()) limit = -r.wspolczynniki[k];
      else aktywnosc += r.wspolczynniki[k] * x[static_cast<size_t>(r.kolumny[k])];
    }
    if (limit > 0) w = std::max(w, std::ceil((aktywnosc - r.prawa) / limit - 1e-9));
  }
  x[static_cast<size_t>(p.KolumnaW())] = std::clamp(w, 0.0, 100.0);
}

}  // namespace velmor
