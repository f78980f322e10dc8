#include "core/planning/optimum.h"

#include <coin/Cbc_C_Interface.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "core/planning/oceniacz.h"

namespace velmor {
namespace {

// A teacher that may take a cell: a binary column of the programme.
struct TZmienna {
  int t = 0, r = 0, m = 0;
  int komorka = 0;  // index of the cell among the decided ones
  bool czysty = false;
  int moc = 0;
};

// Rows of the programme: each a sum of columns with coefficients, at most rhs.
struct TWiersz {
  std::vector<int> kolumny;
  std::vector<double> wspolczynniki;
  double prawa = 0;
};

constexpr double kNieskonczonosc = 1e30;  // the solver's infinity

struct TUsunCbc {
  void operator()(Cbc_Model* c) const { Cbc_deleteModel(c); }
};

// Day of moment m when it is a long break, else -1 (as the judgement reads it).
int DzienDlugiej(const TModele& m, int k) {
  const bool dlugi = k < m.Momenty.Liczba() && m.Momenty[k].Dluga;
  return dlugi && !m.Dni.Dni.empty() ? m.Dni.DzienILekcja(k).first : -1;
}

// Watches a running search from a cut generator the solver calls at every
// node: reports progress and, once a stop is requested, ends the search with
// a cut no plan meets, so the solver keeps the best plan it has.
struct TNadzor {
  const TUstawieniaOptimum& u;
  std::chrono::steady_clock::time_point poczatek;
  const std::vector<double>& cel;  // the objective, per column
  size_t kolumnKomorek = 0;        // the columns of teachers in cells come first
  double wagaKomorek = 1;          // weight of a filled cell in the objective
  double komorek = 0;              // cells with at least one candidate
  TPostepOptimum postep;
  bool przerwano = false, zGranica = false;
  double ostatni = -1;  // seconds at the last report

  // Cells at most, from an objective no plan beats; the goals below the
  // first one add less than a cell's weight.
  int Najwyzej(double wartosc) const {
    const double g = (-wartosc + 100.0) / wagaKomorek;
    return std::isfinite(g) ? static_cast<int>(std::floor(std::clamp(g + 1e-6, 0.0, komorek)))
                            : static_cast<int>(komorek);
  }

  void Zglos() {
    postep.Sekundy =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - poczatek).count();
    ostatni = postep.Sekundy;
    if (u.Postep) u.Postep(postep);
  }
};

// A node's relaxation: the first one, at the root, bounds every plan; an
// integral one is a plan, whose cells count as found. True at the first.
bool Relaksacja(TNadzor& n, void* osi) {
  if (static_cast<size_t>(Osi_getNumCols(osi)) != n.cel.size()) return false;
  const double* x = Osi_getColSolution(osi);
  double wartosc = 0;
  bool calkowite = true;
  int komorki = 0;
  for (size_t i = 0; i < n.cel.size(); ++i) {
    wartosc += n.cel[i] * x[i];
    if (i < n.kolumnKomorek) {
      calkowite = calkowite && std::abs(x[i] - std::round(x[i])) < 1e-6;
      komorki += x[i] > 0.5;
    }
  }
  if (calkowite) n.postep.Wpisano = std::max(n.postep.Wpisano, komorki);
  if (n.zGranica) return false;
  n.postep.NajwyzejMozliwe = std::min(n.postep.NajwyzejMozliwe, n.Najwyzej(wartosc));
  return n.zGranica = true;
}

void NaWezle(void* osi, void* ciecia, void* dane) {
  TNadzor& n = *static_cast<TNadzor*>(dane);
  const bool pierwsza = Relaksacja(n, osi);
  if (n.u.Przerwij != nullptr && n.u.Przerwij->load()) {
    const int kolumna = 0;
    const double jeden = 1.0;
    OsiCuts_addRowCut(ciecia, 1, &kolumna, &jeden, 'L', -1.0);
    n.przerwano = true;
  }
  const double teraz =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - n.poczatek).count();
  if (pierwsza || teraz - n.ostatni >= 0.2) n.Zglos();
}

}  // namespace

TWynikOptimum wpisz_optymalnie(TModele& m, const TObszar& obszar, const TZasadyOceny& z,
                               const TUstawieniaOptimum& u) {
  const auto poczatek = std::chrono::steady_clock::now();
  TZasadyOceny za = z;
  za.Automatycznie = true;
  TDyzury& tabela = m.Dyzury;
  const int n = m.Nauczyciele.Liczba();
  const int rejonow = std::min(tabela.LiczbaRejonow(), m.Rejony.Liczba());
  const int rOd = std::max(obszar.RejonOd, 0), rDo = std::min(obszar.RejonDo, rejonow - 1);
  const int mOd = std::max(obszar.MomentOd, 0);
  const int mDo = std::min(obszar.MomentDo, tabela.LiczbaMomentow() - 1);

  // The decided cells are the empty ones; everything else is fixed, so the
  // judgement of the table as it stands gives the exclusions by fixed cells.
  std::vector<std::pair<int, int>> komorki;
  for (int r = rOd; r <= rDo; ++r)
    for (int k = mOd; k <= mDo; ++k)
      if (tabela.Dyzurny(r, k) == kBrak) komorki.emplace_back(r, k);
  TWynikOptimum wynik;
  std::vector<TZmienna> zm;
  {
    TOceniacz oceniacz(m);
    for (size_t c = 0; c < komorki.size(); ++c) {
      const auto [r, k] = komorki[c];
      oceniacz.Przygotuj(k);
      for (int t = 0; t < n; ++t) {
        const TWariant w = oceniacz.Ocen(t, r, k, za);
        if (Wykluczony(w) || (w.zastrzezenie && !u.ZZastrzezeniem)) continue;
        zm.push_back({t, r, k, static_cast<int>(c), Czysty(w), w.moc});
      }
    }
  }
  if (zm.empty()) {
    wynik.Optymalny = true;
    return wynik;
  }

  const TObciazenia obc = TOgolne(m).policz_obciazenia();
  const auto minuty = [&](int k) { return k < m.Momenty.Liczba() ? m.Momenty[k].Minuty : 0; };
  const int kolumnaW = static_cast<int>(zm.size());  // the fairness column
  std::vector<TWiersz> wiersze;
  std::vector<std::vector<int>> wKomorce(komorki.size());
  std::map<std::pair<int, int>, std::vector<int>> wMomencie, wDniu;
  std::vector<std::vector<int>> nauczyciela(static_cast<size_t>(n));
  for (size_t i = 0; i < zm.size(); ++i) {
    const TZmienna& v = zm[i];
    const int ind = static_cast<int>(i);
    wKomorce[static_cast<size_t>(v.komorka)].push_back(ind);
    wMomencie[{v.t, v.m}].push_back(ind);
    if (const int d = DzienDlugiej(m, v.m); za.JednaDluga && d >= 0) wDniu[{v.t, d}].push_back(ind);
    nauczyciela[static_cast<size_t>(v.t)].push_back(ind);
  }
  const auto najwyzejJeden = [&](const std::vector<int>& k) {
    if (k.size() > 1) wiersze.push_back({k, std::vector<double>(k.size(), 1.0), 1.0});
  };
  for (const auto& k : wKomorce) najwyzejJeden(k);
  const size_t wierszeKomorek = wiersze.size();  // the rows before are the cells' own
  // A long break's row of a teacher is within his row of that day.
  for (const auto& [tm, k] : wMomencie)
    if (!za.JednaDluga || DzienDlugiej(m, tm.second) < 0) najwyzejJeden(k);
  for (const auto& [_, k] : wDniu) najwyzejJeden(k);
  // Teachers whose count or minutes can bind, with what binds them.
  struct TWaski {
    int t = 0, ile = 0, minut = 0;
    bool liczba = false, czas = false;
  };
  std::vector<TWaski> waskie;
  for (int t = 0; t < n; ++t) {
    const auto& k = nauczyciela[static_cast<size_t>(t)];
    if (k.empty()) continue;
    const TNaucz& nt = m.Nauczyciele[t];
    const int dyzury = obc.Dyzury[static_cast<size_t>(t)], min = obc.Minuty[static_cast<size_t>(t)];
    // What t can take at most: one duty a moment, and with one long break a
    // day, one of that day's long breaks. The cheapest of these in minutes
    // bound how many duties fit his minutes; the dearest, whether the
    // minutes can bind at all. Rows that cannot bind are left out.
    std::map<int, std::pair<int, int>> mozliwe;  // moment or -1 - day: cheapest, dearest
    for (int i : k) {
      const int mi = zm[static_cast<size_t>(i)].m, d = DzienDlugiej(m, mi);
      const int klucz = za.JednaDluga && d >= 0 ? -1 - d : mi;
      const auto [it, nowy] = mozliwe.try_emplace(klucz, minuty(mi), minuty(mi));
      if (!nowy)
        it->second = {std::min(it->second.first, minuty(mi)),
                      std::max(it->second.second, minuty(mi))};
    }
    std::vector<int> najtansze;
    int najwiecejMinut = 0;
    for (const auto& [_, mm] : mozliwe) {
      najtansze.push_back(mm.first);
      najwiecejMinut += mm.second;
    }
    std::sort(najtansze.begin(), najtansze.end());
    const int zostaloMinut = nt.LimitMinut - min;
    int mieszczace = 0;
    for (int suma = 0; mieszczace < static_cast<int>(najtansze.size()) &&
                       suma + najtansze[static_cast<size_t>(mieszczace)] <= zostaloMinut;
         ++mieszczace)
      suma += najtansze[static_cast<size_t>(mieszczace)];
    const int ile = std::min(nt.LimitDyzurow - dyzury, mieszczace);
    const bool liczba = ile < static_cast<int>(najtansze.size());
    const bool czas = najwiecejMinut > zostaloMinut;
    if (liczba)
      wiersze.push_back({k, std::vector<double>(k.size(), 1.0), static_cast<double>(ile)});
    if (czas) {
      TWiersz minutyT{k, {}, static_cast<double>(zostaloMinut)};
      for (int i : k) minutyT.wspolczynniki.push_back(minuty(zm[static_cast<size_t>(i)].m));
      wiersze.push_back(std::move(minutyT));
    }
    if (liczba || czas) waskie.push_back({t, ile, zostaloMinut, liczba, czas});
    // Fairness: w is at least the percentage of t's duty-count limit taken,
    // 100 * (duties) / limit, so minimising w lowers the largest share.
    TWiersz udzial{k, std::vector<double>(k.size(), 100.0), -100.0 * dyzury};
    udzial.kolumny.push_back(kolumnaW);
    udzial.wspolczynniki.push_back(-nt.LimitDyzurow);
    wiersze.push_back(std::move(udzial));
  }

  // A teacher on duty in one region at two neighbouring breaks of a day
  // scores 10 more at each of them where both his lessons are in the region
  // (codes 8 and 9, score 90 and up); a pair column at most both cells
  // stands for that when both cells are decided here.
  struct TPara {
    int i = 0, j = 0, premia = 0;
  };
  std::vector<TPara> pary;
  {
    const TOgolne o(m);
    std::map<std::tuple<int, int, int>, int> gdzie;
    for (size_t i = 0; i < zm.size(); ++i) gdzie[{zm[i].t, zm[i].r, zm[i].m}] = static_cast<int>(i);
    for (size_t i = 0; i < zm.size(); ++i) {
      const TZmienna& v = zm[i];
      const auto it = gdzie.find({v.t, v.r, v.m + 1});
      if (it == gdzie.end()) continue;
      const bool nastepny = v.m + 1 < m.Momenty.Liczba() && o.TenSamDzien(v.m, v.m + 1);
      const int premia = (v.moc >= 90 && nastepny ? 10 : 0) +
                         (zm[static_cast<size_t>(it->second)].moc >= 90 ? 10 : 0);
      if (premia == 0) continue;
      const int kolumna = kolumnaW + 1 + static_cast<int>(pary.size());
      pary.push_back({static_cast<int>(i), it->second, premia});
      for (int x : {static_cast<int>(i), it->second})
        wiersze.push_back({{kolumna, x}, {1.0, -1.0}, 0.0});
    }
  }

  // For a teacher whose count or minutes can bind, a column per moment he
  // may take, equal to his duties there (the columns after the pairs). His
  // limits are given again on these: the solver finds the stronger cuts
  // there, and branches on whether he is on duty at a moment at all. The
  // rows from here on are left to the solver; the first solution keeps to
  // those before, which imply them.
  const size_t wierszeStartu = wiersze.size();
  std::map<std::pair<int, int>, int> kolumnyMomentow;  // (teacher, moment) to its column
  std::vector<size_t> rowne;                           // rows that hold with equality
  for (const TWaski& w : waskie) {
    std::vector<int> kolumny;
    std::vector<double> czasy;
    std::map<int, std::vector<int>> dlugie;  // the long breaks of a day
    for (auto it = wMomencie.lower_bound({w.t, 0}); it != wMomencie.end() && it->first.first == w.t;
         ++it) {
      const int mi = it->first.second;
      const int kolumna = kolumnaW + 1 + static_cast<int>(pary.size() + kolumnyMomentow.size());
      kolumnyMomentow[{w.t, mi}] = kolumna;
      TWiersz laczy{it->second, std::vector<double>(it->second.size(), 1.0), 0.0};
      laczy.kolumny.push_back(kolumna);
      laczy.wspolczynniki.push_back(-1.0);
      rowne.push_back(wiersze.size());
      wiersze.push_back(std::move(laczy));
      kolumny.push_back(kolumna);
      czasy.push_back(minuty(mi));
      if (const int d = DzienDlugiej(m, mi); za.JednaDluga && d >= 0) dlugie[d].push_back(kolumna);
    }
    if (w.liczba)
      wiersze.push_back(
          {kolumny, std::vector<double>(kolumny.size(), 1.0), static_cast<double>(w.ile)});
    if (w.czas) wiersze.push_back({kolumny, czasy, static_cast<double>(w.minut)});
    for (const auto& [_, d] : dlugie)
      if (d.size() > 1) wiersze.push_back({d, std::vector<double>(d.size(), 1.0), 1.0});
  }

  // Weights that make each goal outweigh all those after it: w is 0..100;
  // S bounds the total score; at most C cells are filled or clean.
  double sumaMocy = 0;
  {
    std::vector<int> najMoc(komorki.size(), 0);
    for (const TZmienna& v : zm)
      najMoc[static_cast<size_t>(v.komorka)] =
          std::max(najMoc[static_cast<size_t>(v.komorka)], v.moc);
    for (int x : najMoc) sumaMocy += x;
    for (const TPara& p : pary) sumaMocy += p.premia;
  }
  const double wagaMocy = 101, wagaCzystych = wagaMocy * sumaMocy + 101;
  const double wagaKomorek =
      wagaCzystych * static_cast<double>(komorki.size()) + wagaMocy * sumaMocy + 101;

  std::unique_ptr<Cbc_Model, TUsunCbc> cbc(Cbc_newModel());
  Cbc_Model* c = cbc.get();
  Cbc_setLogLevel(c, 0);
  std::vector<double> cel;  // objective per column
  for (const TZmienna& v : zm)
    cel.push_back(-(wagaKomorek + (v.czysty ? wagaCzystych : 0.0) + wagaMocy * v.moc));
  cel.push_back(1.0);
  for (const TPara& p : pary) cel.push_back(-wagaMocy * p.premia);
  cel.resize(cel.size() + kolumnyMomentow.size(), 0.0);
  {
    // Loaded at once, column by column. This also leaves the columns their
    // default names: the first solution is handed over by name, and columns
    // added with empty names would all share one.
    std::vector<CoinBigIndex> poczatki(cel.size() + 1, 0);
    std::vector<int> indeksy;
    std::vector<double> wartosci;
    for (const TWiersz& w : wiersze)
      for (int k : w.kolumny) ++poczatki[static_cast<size_t>(k) + 1];
    for (size_t i = 1; i < poczatki.size(); ++i) poczatki[i] += poczatki[i - 1];
    indeksy.resize(static_cast<size_t>(poczatki.back()));
    wartosci.resize(indeksy.size());
    std::vector<CoinBigIndex> dalej(poczatki.begin(), poczatki.end() - 1);
    for (size_t j = 0; j < wiersze.size(); ++j)
      for (size_t k = 0; k < wiersze[j].kolumny.size(); ++k) {
        const size_t e = static_cast<size_t>(dalej[static_cast<size_t>(wiersze[j].kolumny[k])]++);
        indeksy[e] = static_cast<int>(j);
        wartosci[e] = wiersze[j].wspolczynniki[k];
      }
    std::vector<double> dolne(cel.size(), 0.0), gorne(cel.size(), 1.0);
    gorne[zm.size()] = 100.0;
    std::vector<double> wierszeOd(wiersze.size(), -kNieskonczonosc), wierszeDo;
    for (const TWiersz& w : wiersze) wierszeDo.push_back(w.prawa);
    for (size_t j : rowne) wierszeOd[j] = wiersze[j].prawa;
    Cbc_loadProblem(c, static_cast<int>(cel.size()), static_cast<int>(wiersze.size()),
                    poczatki.data(), indeksy.data(), wartosci.data(), dolne.data(), gorne.data(),
                    cel.data(), wierszeOd.data(), wierszeDo.data());
    for (size_t i = 0; i < cel.size(); ++i) Cbc_setInteger(c, static_cast<int>(i));
  }

  // The first solution: the greedy run's cells while every row they are in
  // still holds (with w = 100, which fits whenever the count limits do);
  // then each cell left empty is filled along the shortest chain of moves
  // within its moment, each teacher on it giving his cell to the next and
  // the last one free at that moment with room in his rows. A move keeps a
  // teacher at the same moment, so only the last one's rows change.
  std::vector<double> start(cel.size(), 0.0);
  {
    std::vector<std::vector<std::pair<size_t, double>>> wierszeKolumny(zm.size());
    std::vector<double> aktywnosc(wierszeStartu, 0.0);
    for (size_t j = 0; j < wierszeStartu; ++j)
      for (size_t k = 0; k < wiersze[j].kolumny.size(); ++k) {
        const size_t kol = static_cast<size_t>(wiersze[j].kolumny[k]);
        if (kol < zm.size()) wierszeKolumny[kol].emplace_back(j, wiersze[j].wspolczynniki[k]);
        if (kol == zm.size()) aktywnosc[j] += wiersze[j].wspolczynniki[k] * 100.0;
      }
    // Whether column i fits, its own cell's row aside.
    const auto miesci = [&](size_t i) {
      const auto& ws = wierszeKolumny[i];
      return std::none_of(ws.begin(), ws.end(), [&](const auto& jw) {
        return jw.first >= wierszeKomorek &&
               aktywnosc[jw.first] + jw.second > wiersze[jw.first].prawa + 1e-9;
      });
    };
    const int momentow = mDo - mOd + 1;
    std::vector<int> wKomorceJest(komorki.size(), -1);  // the column taken in a cell
    std::vector<int> uNauczyciela(static_cast<size_t>(n) * static_cast<size_t>(momentow), -1);
    const auto nm = [&](const TZmienna& v) {
      return static_cast<size_t>(v.t) * static_cast<size_t>(momentow) +
             static_cast<size_t>(v.m - mOd);
    };
    const auto ustaw = [&](size_t i, bool wziety) {
      const double ile = wziety ? 1.0 : -1.0;
      start[i] += ile;
      for (const auto& [j, wsp] : wierszeKolumny[i]) aktywnosc[j] += ile * wsp;
      const TZmienna& v = zm[i];
      wKomorceJest[static_cast<size_t>(v.komorka)] = wziety ? static_cast<int>(i) : -1;
      uNauczyciela[nm(v)] = wziety ? v.komorka : -1;
    };

    TModele kopia = m;
    TWyborAutomatyczny wybor;
    TListaWariantow lista;
    wpisz_warianty(kopia, obszar, za, wybor, lista);
    for (size_t i = 0; i < zm.size(); ++i)
      if (kopia.Dyzury.Dyzurny(zm[i].r, zm[i].m) == zm[i].t &&
          wKomorceJest[static_cast<size_t>(zm[i].komorka)] < 0 && miesci(i))
        ustaw(i, true);

    // Columns of a cell, the best first.
    std::vector<std::vector<int>> kolejnosc = wKomorce;
    for (auto& k : kolejnosc)
      std::stable_sort(k.begin(), k.end(), [&](int a, int b) {
        return cel[static_cast<size_t>(a)] < cel[static_cast<size_t>(b)];
      });
    // The column that took the cell's teacher away, for the cells reached.
    std::vector<int> skad(komorki.size(), -1);
    std::vector<int> odwiedzone;
    for (size_t c0 = 0; c0 < komorki.size(); ++c0) {
      if (wKomorceJest[c0] >= 0 || kolejnosc[c0].empty()) continue;
      // Breadth first over the cells of the moment.
      odwiedzone.assign(1, static_cast<int>(c0));
      skad[c0] = -2;
      int koniec = -1;
      for (size_t q = 0; q < odwiedzone.size() && koniec < 0; ++q) {
        const size_t kom = static_cast<size_t>(odwiedzone[q]);
        for (int i : kolejnosc[kom]) {
          const TZmienna& v = zm[static_cast<size_t>(i)];
          const int gdzie = uNauczyciela[nm(v)];
          if (gdzie < 0) {
            if (miesci(static_cast<size_t>(i))) {
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
          const int kom = zm[static_cast<size_t>(i)].komorka;
          if (skad[static_cast<size_t>(kom)] == -2) break;
          i = skad[static_cast<size_t>(kom)];
        }
        for (int i : nowe) {
          const size_t kom = static_cast<size_t>(zm[static_cast<size_t>(i)].komorka);
          if (wKomorceJest[kom] >= 0) ustaw(static_cast<size_t>(wKomorceJest[kom]), false);
        }
        for (int i : nowe) ustaw(static_cast<size_t>(i), true);
      }
      for (int kom : odwiedzone) skad[static_cast<size_t>(kom)] = -1;
    }

    // Should a row not hold after all, the solver starts from no cell.
    const bool spelnia = std::all_of(
        wiersze.begin(), wiersze.begin() + static_cast<std::ptrdiff_t>(wierszeStartu),
        [&](const TWiersz& w) {
          return aktywnosc[static_cast<size_t>(&w - wiersze.data())] <= w.prawa + 1e-6 ||
                 std::find(w.kolumny.begin(), w.kolumny.end(), kolumnaW) != w.kolumny.end();
        });
    if (!spelnia)
      for (size_t i = 0; i < zm.size(); ++i)
        if (start[i] > 0.5) ustaw(i, false);
    for (size_t p = 0; p < pary.size(); ++p)
      start[zm.size() + 1 + p] =
          std::min(start[static_cast<size_t>(pary[p].i)], start[static_cast<size_t>(pary[p].j)]);
    // The smallest w the fairness rows allow: a row reads
    // (its x part) - limit * w <= rhs, and holds the activity at w = 100.
    double w = 0;
    for (size_t j = 0; j < wierszeStartu; ++j)
      for (size_t k = 0; k < wiersze[j].kolumny.size(); ++k)
        if (wiersze[j].kolumny[k] == kolumnaW) {
          const double limit = -wiersze[j].wspolczynniki[k];
          const double x = aktywnosc[j] + limit * 100.0;
          w = std::max(w, std::ceil((x - wiersze[j].prawa) / limit - 1e-9));
        }
    start[zm.size()] = std::clamp(w, 0.0, 100.0);
    for (size_t i = 0; i < zm.size(); ++i)
      if (start[i] > 0.5)
        if (const auto it = kolumnyMomentow.find({zm[i].t, zm[i].m}); it != kolumnyMomentow.end())
          start[static_cast<size_t>(it->second)] = 1.0;
    std::vector<int> indeksy(start.size());
    for (size_t i = 0; i < indeksy.size(); ++i) indeksy[i] = static_cast<int>(i);
    Cbc_setMIPStartI(c, static_cast<int>(indeksy.size()), indeksy.data(), start.data());
  }

  // The limit counts on the clock from the start of the call. The solver's
  // clock mode needs its preprocessing off: with it on, small problems now
  // and then ran to twice the limit. The preprocessing also crashed the
  // solver when the limit ended within it, and costs more than it gains
  // here, most on large schools.
  const double uplynelo =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - poczatek).count();
  Cbc_setMaximumSeconds(c, std::max(u.LimitSekund - uplynelo, 0.01));
  Cbc_setParameter(c, "timeMode", "elapsed");
  Cbc_setParameter(c, "preprocess", "off");
  Cbc_setParameter(c, "probingCuts", "off");  // slow here, for next to no cuts
  Cbc_setAllowableGap(c, 0.5);                // the objective is integral
  Cbc_setParameter(c, "threads", "1");
  Cbc_setParameter(c, "randomCbcSeed", "1");
  Cbc_setParameter(c, "randomSeed", "1");

  const double wKomorkach = static_cast<double>(
      std::count_if(wKomorce.begin(), wKomorce.end(), [](const auto& k) { return !k.empty(); }));
  TNadzor nadzor{u, poczatek, cel, zm.size(), wagaKomorek, wKomorkach, {}};
  nadzor.postep.Wpisano =
      static_cast<int>(std::count(start.begin(), start.begin() + kolumnaW, 1.0));
  nadzor.postep.NajwyzejMozliwe = static_cast<int>(wKomorkach);
  nadzor.Zglos();
  Cbc_addCutCallback(c, NaWezle, "nadzor", &nadzor);
  const bool szukano = u.Przerwij == nullptr || !u.Przerwij->load();
  if (szukano) Cbc_solve(c);
  nadzor.przerwano = nadzor.przerwano || !szukano;

  // The first solution stands when the solver stopped before taking it in.
  const double* x = szukano ? Cbc_bestSolution(c) : nullptr;
  const auto wartosc = [&](const double* v) {
    double s = 0;
    for (size_t i = 0; i < cel.size(); ++i) s += cel[i] * v[i];
    return s;
  };
  if (x == nullptr || wartosc(x) > wartosc(start.data()) + 0.5) x = start.data();
  for (size_t i = 0; i < zm.size(); ++i)
    if (x[i] > 0.5) {
      tabela.UstawDyzurnego(zm[i].r, zm[i].m, static_cast<uint8_t>(zm[i].t));
      ++wynik.Wpisano;
    }
  wynik.Przerwany = nadzor.przerwano;
  wynik.Optymalny = !wynik.Przerwany && Cbc_isProvenOptimal(c) != 0;
  if (wynik.Optymalny) wynik.NajwyzejMozliwe = wynik.Wpisano;
  else if (wynik.Przerwany) wynik.NajwyzejMozliwe = nadzor.postep.NajwyzejMozliwe;
  else wynik.NajwyzejMozliwe = nadzor.Najwyzej(Cbc_getBestPossibleObjValue(c));
  wynik.NajwyzejMozliwe = std::max(wynik.NajwyzejMozliwe, wynik.Wpisano);
  wynik.Sekundy =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - poczatek).count();
  nadzor.postep = {wynik.Wpisano, wynik.NajwyzejMozliwe, 0.0};
  nadzor.Zglos();
  return wynik;
}

}  // namespace velmor
