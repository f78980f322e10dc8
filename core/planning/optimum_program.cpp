#include "core/planning/optimum_program.h"

#include <algorithm>
#include <tuple>

#include "core/planning/oceniacz.h"
#include "core/planning/ogolne.h"

namespace velmor {
namespace {

// The empty cells of the area and every teacher not excluded there (and
// clean, unless reservations are allowed), judged with the table as it is.
void Kandydaci(TProgramCalkowity& p, const TModele& m, const TObszar& obszar,
               const TZasadyOceny& za, bool zZastrzezeniem) {
  const TDyzury& tabela = m.Dyzury;
  const TObszar o = Przytnij(obszar, m);
  p.MomentOd = o.MomentOd;
  p.MomentDo = o.MomentDo;
  for (int r = o.RejonOd; r <= o.RejonDo; ++r)
    for (int k = p.MomentOd; k <= p.MomentDo; ++k)
      if (tabela.Dyzurny(r, k) == kBrak) p.Komorki.emplace_back(r, k);
  TOceniacz oceniacz(m);
  for (size_t c = 0; c < p.Komorki.size(); ++c) {
    const auto [r, k] = p.Komorki[c];
    oceniacz.Przygotuj(k);
    for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
      const TWariant w = oceniacz.Ocen(t, r, k, za);
      if (Wykluczony(w) || (w.zastrzezenie && !zZastrzezeniem)) continue;
      p.Zm.push_back({t, r, k, static_cast<int>(c), Czysty(w), w.moc});
    }
  }
}

void NajwyzejJeden(TProgramCalkowity& p, const std::vector<int>& k) {
  if (k.size() > 1) p.Wiersze.push_back({k, std::vector<double>(k.size(), 1.0), 1.0});
}

// At most one teacher a cell; a teacher at most once a moment, and once a
// day at the long breaks when that is the rule.
void WierszeWyboru(TProgramCalkowity& p, const TModele& m, const TZasadyOceny& za) {
  std::map<std::pair<int, int>, std::vector<int>> wDniu;
  p.WKomorce.assign(p.Komorki.size(), {});
  for (size_t i = 0; i < p.Zm.size(); ++i) {
    const TZmienna& v = p.Zm[i];
    const int ind = static_cast<int>(i);
    p.WKomorce[static_cast<size_t>(v.komorka)].push_back(ind);
    p.WMomencie[{v.t, v.m}].push_back(ind);
    if (const int d = DzienDlugiej(m, v.m); za.JednaDluga && d >= 0) wDniu[{v.t, d}].push_back(ind);
  }
  for (const auto& k : p.WKomorce) NajwyzejJeden(p, k);
  p.WierszeKomorek = p.Wiersze.size();
  // A long break's row of a teacher is within his row of that day.
  for (const auto& [tm, k] : p.WMomencie)
    if (!za.JednaDluga || DzienDlugiej(m, tm.second) < 0) NajwyzejJeden(p, k);
  for (const auto& [_, k] : wDniu) NajwyzejJeden(p, k);
}

// Teacher t's count and minutes limits over his columns k, where they can
// bind. What t can take at most: one duty a moment, and with one long break
// a day, one of that day's long breaks. The cheapest of these in minutes
// bound how many duties fit his minutes; the dearest, whether the minutes
// can bind at all.
void Limity(TProgramCalkowity& p, const TModele& m, const TZasadyOceny& za, int t,
            const std::vector<int>& k, int dyzury, int minuty) {
  const TNaucz& nt = m.Nauczyciele[t];
  std::map<int, std::pair<int, int>> mozliwe;  // moment or -1 - day: cheapest, dearest
  for (int i : k) {
    const int mi = p.Zm[static_cast<size_t>(i)].m, d = DzienDlugiej(m, mi);
    const int klucz = za.JednaDluga && d >= 0 ? -1 - d : mi;
    const auto [it, nowy] = mozliwe.try_emplace(klucz, MinutyMomentu(m, mi), MinutyMomentu(m, mi));
    if (!nowy)
      it->second = {std::min(it->second.first, MinutyMomentu(m, mi)),
                    std::max(it->second.second, MinutyMomentu(m, mi))};
  }
  std::vector<int> najtansze;
  int najwiecejMinut = 0;
  for (const auto& [_, mm] : mozliwe) {
    najtansze.push_back(mm.first);
    najwiecejMinut += mm.second;
  }
  std::sort(najtansze.begin(), najtansze.end());
  const int zostaloMinut = nt.LimitMinut - minuty;
  int mieszczace = 0;
  for (int suma = 0; mieszczace < static_cast<int>(najtansze.size()) &&
                     suma + najtansze[static_cast<size_t>(mieszczace)] <= zostaloMinut;
       ++mieszczace)
    suma += najtansze[static_cast<size_t>(mieszczace)];
  const int ile = std::min(nt.LimitDyzurow - dyzury, mieszczace);
  const bool liczba = ile < static_cast<int>(najtansze.size());
  const bool czas = najwiecejMinut > zostaloMinut;
  if (liczba)
    p.Wiersze.push_back({k, std::vector<double>(k.size(), 1.0), static_cast<double>(ile)});
  if (czas) {
    TWiersz minutyT{k, {}, static_cast<double>(zostaloMinut)};
    for (int i : k)
      minutyT.wspolczynniki.push_back(MinutyMomentu(m, p.Zm[static_cast<size_t>(i)].m));
    p.Wiersze.push_back(std::move(minutyT));
  }
  if (liczba || czas) p.Waskie.push_back({t, ile, zostaloMinut, liczba, czas});
}

// Each teacher's limits, and the fairness rows: W is at least the
// percentage of t's duty-count limit taken, 100 * (duties) / limit, so
// minimising W lowers the largest share.
void WierszeNauczycieli(TProgramCalkowity& p, const TModele& m, const TZasadyOceny& za) {
  const TObciazenia obc = TOgolne(m).policz_obciazenia();
  std::vector<std::vector<int>> nauczyciela(static_cast<size_t>(m.Nauczyciele.Liczba()));
  for (size_t i = 0; i < p.Zm.size(); ++i)
    nauczyciela[static_cast<size_t>(p.Zm[i].t)].push_back(static_cast<int>(i));
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    const auto& k = nauczyciela[static_cast<size_t>(t)];
    if (k.empty()) continue;
    const int dyzury = obc.Dyzury[static_cast<size_t>(t)];
    Limity(p, m, za, t, k, dyzury, obc.Minuty[static_cast<size_t>(t)]);
    TWiersz udzial{k, std::vector<double>(k.size(), 100.0), -100.0 * dyzury};
    udzial.kolumny.push_back(p.KolumnaW());
    udzial.wspolczynniki.push_back(-m.Nauczyciele[t].LimitDyzurow);
    p.Wiersze.push_back(std::move(udzial));
  }
}

// A teacher on duty in one region at two neighbouring breaks of a day
// scores 10 more at each of them where both his lessons are in the region
// (codes 8 and 9, score 90 and up); a pair column at most both cells stands
// for that when both cells are decided here.
void Pary(TProgramCalkowity& p, const TModele& m) {
  const TOgolne o(m);
  std::map<std::tuple<int, int, int>, int> gdzie;
  for (size_t i = 0; i < p.Zm.size(); ++i)
    gdzie[{p.Zm[i].t, p.Zm[i].r, p.Zm[i].m}] = static_cast<int>(i);
  for (size_t i = 0; i < p.Zm.size(); ++i) {
    const TZmienna& v = p.Zm[i];
    const auto it = gdzie.find({v.t, v.r, v.m + 1});
    if (it == gdzie.end()) continue;
    const bool nastepny = v.m + 1 < m.Momenty.Liczba() && o.TenSamDzien(v.m, v.m + 1);
    const int premia = (v.moc >= 90 && nastepny ? 10 : 0) +
                       (p.Zm[static_cast<size_t>(it->second)].moc >= 90 ? 10 : 0);
    if (premia == 0) continue;
    const int kolumna = p.KolumnaPary(p.Pary.size());
    p.Pary.push_back({static_cast<int>(i), it->second, premia});
    for (int x : {static_cast<int>(i), it->second})
      p.Wiersze.push_back({{kolumna, x}, {1.0, -1.0}, 0.0});
  }
}

// For a teacher whose count or minutes can bind, a column per moment he may
// take, equal to his duties there. His limits are given again on these: the
// solver finds the stronger cuts there, and branches on whether he is on
// duty at a moment at all. The rows from here on are left to the solver;
// the first solution keeps to those before, which imply them.
void KolumnyMomentow(TProgramCalkowity& p, const TModele& m, const TZasadyOceny& za) {
  p.WierszeStartu = p.Wiersze.size();
  for (const TWaski& w : p.Waskie) {
    std::vector<int> kolumny;
    std::vector<double> czasy;
    std::map<int, std::vector<int>> dlugie;  // the long breaks of a day
    for (auto it = p.WMomencie.lower_bound({w.t, 0});
         it != p.WMomencie.end() && it->first.first == w.t; ++it) {
      const int mi = it->first.second;
      const int kolumna =
          p.KolumnaW() + 1 + static_cast<int>(p.Pary.size() + p.KolumnyMomentow.size());
      p.KolumnyMomentow[{w.t, mi}] = kolumna;
      TWiersz laczy{it->second, std::vector<double>(it->second.size(), 1.0), 0.0};
      laczy.kolumny.push_back(kolumna);
      laczy.wspolczynniki.push_back(-1.0);
      p.Rowne.push_back(p.Wiersze.size());
      p.Wiersze.push_back(std::move(laczy));
      kolumny.push_back(kolumna);
      czasy.push_back(MinutyMomentu(m, mi));
      if (const int d = DzienDlugiej(m, mi); za.JednaDluga && d >= 0) dlugie[d].push_back(kolumna);
    }
    if (w.liczba)
      p.Wiersze.push_back(
          {kolumny, std::vector<double>(kolumny.size(), 1.0), static_cast<double>(w.ile)});
    if (w.czas) p.Wiersze.push_back({kolumny, czasy, static_cast<double>(w.minut)});
    for (const auto& [_, d] : dlugie)
      if (d.size() > 1) p.Wiersze.push_back({d, std::vector<double>(d.size(), 1.0), 1.0});
  }
}

// Weights that make each goal outweigh all those after it: W is 0..100; S
// bounds the total score; at most C cells are filled or clean.
void Cele(TProgramCalkowity& p) {
  double sumaMocy = 0;
  std::vector<int> najMoc(p.Komorki.size(), 0);
  for (const TZmienna& v : p.Zm)
    najMoc[static_cast<size_t>(v.komorka)] =
        std::max(najMoc[static_cast<size_t>(v.komorka)], v.moc);
  for (int x : najMoc) sumaMocy += x;
  for (const TPara& para : p.Pary) sumaMocy += para.premia;
  const double wagaMocy = 101, wagaCzystych = wagaMocy * sumaMocy + 101;
  p.WagaKomorek = wagaCzystych * static_cast<double>(p.Komorki.size()) + wagaMocy * sumaMocy + 101;
  for (const TZmienna& v : p.Zm)
    p.Cel.push_back(-(p.WagaKomorek + (v.czysty ? wagaCzystych : 0.0) + wagaMocy * v.moc));
  p.Cel.push_back(1.0);
  for (const TPara& para : p.Pary) p.Cel.push_back(-wagaMocy * para.premia);
  p.Cel.resize(p.Cel.size() + p.KolumnyMomentow.size(), 0.0);
  p.Gorne.assign(p.Cel.size(), 1.0);
  p.Gorne[static_cast<size_t>(p.KolumnaW())] = 100.0;
}

}  // namespace

int MinutyMomentu(const TModele& m, int k) {
  return k < m.Momenty.Liczba() ? m.Momenty[k].Minuty : 0;
}

int TProgramCalkowity::Wpisane(const std::vector<double>& x) const {
  return static_cast<int>(
      std::count_if(x.begin(), x.begin() + KolumnaW(), [](double v) { return v > 0.5; }));
}

int TProgramCalkowity::ZKandydatami() const {
  return static_cast<int>(
      std::count_if(WKomorce.begin(), WKomorce.end(), [](const auto& k) { return !k.empty(); }));
}

int TProgramCalkowity::DodajKolumne() {
  Cel.push_back(0.0);
  Gorne.push_back(1.0);
  return static_cast<int>(Cel.size()) - 1;
}

int DzienDlugiej(const TModele& m, int k) {
  const bool dlugi = k < m.Momenty.Liczba() && m.Momenty[k].Dluga;
  return dlugi && !m.Dni.Dni.empty() ? m.Dni.DzienILekcja(k).first : -1;
}

TProgramCalkowity ZbudujProgram(const TModele& m, const TObszar& obszar, const TZasadyOceny& z,
                                bool zZastrzezeniem) {
  TProgramCalkowity p;
  TZasadyOceny za = z;
  za.Automatycznie = true;
  Kandydaci(p, m, obszar, za, zZastrzezeniem);
  if (p.Zm.empty()) return p;
  WierszeWyboru(p, m, za);
  WierszeNauczycieli(p, m, za);
  Pary(p, m);
  KolumnyMomentow(p, m, za);
  Cele(p);
  return p;
}

}  // namespace velmor
