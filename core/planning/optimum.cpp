#include "core/planning/optimum.h"

#include <algorithm>
#include <vector>

#include "core/planning/optimum_cbc.h"
#include "core/planning/optimum_program.h"
#include "core/planning/optimum_rowne.h"

namespace velmor {
namespace {

// The decided cells as solution x fills them.
void Wpisz(TModele& m, const TProgramCalkowity& p, const std::vector<double>& x) {
  for (const auto& [r, k] : p.Komorki) m.Dyzury.UstawDyzurnego(r, k, kBrak);
  for (size_t i = 0; i < p.Zm.size(); ++i)
    if (x[i] > 0.5) m.Dyzury.UstawDyzurnego(p.Zm[i].r, p.Zm[i].m, static_cast<uint8_t>(p.Zm[i].t));
}

// One programme for the whole area.
TWynikOptimum WpiszNaRaz(TModele& m, const TObszar& obszar, const TZasadyOceny& z,
                         const TUstawieniaOptimum& u) {
  TNadzor n(u);
  TProgramCalkowity p = ZbudujProgram(m, obszar, z, u.ZZastrzezeniem);
  TWynikOptimum wynik;
  if (p.Zm.empty()) {
    wynik.Optymalny = wynik.Wyrownany = true;
    wynik.Wygodny = wynik.Wpisany = Rozpietosc(m);
    return wynik;
  }
  const std::vector<double> start = PierwszeRozwiazanie(p, m, obszar, z);
  n.postep.Wpisano = p.Wpisane(start);
  n.postep.NajwyzejMozliwe = p.ZKandydatami();
  n.Zglos();
  const TRozwiazanie pierwszy = Rozwiaz(p, start, n, true);
  std::vector<double> x = pierwszy.x;
  // The stages read the table with the decided cells still empty.
  wynik.Wyrownany = u.NajpierwRowno ? Wyrownaj(p, m, x, n) && pierwszy.Optymalne : true;
  wynik.PunktyWygodne = Punkty(p, pierwszy.x);
  Wpisz(m, p, pierwszy.x);
  wynik.Wygodny = Rozpietosc(m);
  Wpisz(m, p, x);
  wynik.Punkty = Punkty(p, x);
  wynik.Wpisany = Rozpietosc(m);
  wynik.Wpisano = p.Wpisane(x);
  wynik.Przerwany = n.przerwano;
  wynik.NajwyzejMozliwe = std::max(n.postep.NajwyzejMozliwe, wynik.Wpisano);
  // As many cells as could be: optimal in the first goal, proven or not.
  wynik.Optymalny = pierwszy.Optymalne || wynik.Wpisano >= wynik.NajwyzejMozliwe;
  wynik.Sekundy = n.Sekundy();
  n.postep = {wynik.Wpisano, wynik.NajwyzejMozliwe, 0.0};
  n.Zglos();
  return wynik;
}

// The empty cells of each moment of the area.
std::vector<int> PusteMomentow(const TModele& m, const TObszar& obszar) {
  std::vector<int> puste;
  for (int k = obszar.MomentOd; k <= obszar.MomentDo; ++k) {
    puste.push_back(0);
    for (int r = obszar.RejonOd; r <= obszar.RejonDo; ++r)
      puste.back() += m.Dyzury.Dyzurny(r, k) == kBrak;
  }
  return puste;
}

// The unattended manner over the empty cells: the optimal entry keeps every
// teacher entered.
class TWyborDoPustych : public TWyborAutomatyczny {
 public:
  bool TylkoPuste() const override { return true; }
};

// About what the greedy run takes to set up, and per cell and teacher, with
// room to spare.
constexpr double kSekundStartu = 0.5, kSekundNaOcene = 1e-8;

struct TKawalek {
  TObszar Obszar;
  double Ocen = 0;  // its empty cells x teachers
};

// The area in runs of moments, each within u.NajwiecejOcen cells x teachers.
std::vector<TKawalek> Kawalki(const TObszar& obszar, const std::vector<int>& puste, int nauczycieli,
                              double najwiecej) {
  std::vector<TKawalek> kawalki;
  for (int k = obszar.MomentOd; k <= obszar.MomentDo; ++k) {
    const double tu =
        static_cast<double>(puste[static_cast<size_t>(k - obszar.MomentOd)]) * nauczycieli;
    if (kawalki.empty() || kawalki.back().Ocen + tu > najwiecej)
      kawalki.push_back({{obszar.RejonOd, obszar.RejonDo, k, k}, 0.0});
    kawalki.back().Obszar.MomentDo = k;
    kawalki.back().Ocen += tu;
  }
  return kawalki;
}

}  // namespace

TWynikOptimum wpisz_optymalnie(TModele& m, const TObszar& obszar, const TZasadyOceny& z,
                               const TUstawieniaOptimum& u) {
  TNadzor n(u);
  const TObszar o = Przytnij(obszar, m);
  const std::vector<int> puste = PusteMomentow(m, o);
  const std::vector<TKawalek> kawalki = Kawalki(o, puste, m.Nauczyciele.Liczba(), u.NajwiecejOcen);
  if (kawalki.size() <= 1) return WpiszNaRaz(m, obszar, z, u);
  // Too large for one programme: run after run of moments, each seeing the
  // loads the runs before left, each with its share of the time left but
  // what the greedy run needs for the rest. Once that is all the time left,
  // the greedy run fills the moments left; a stop leaves them as they are.
  TWynikOptimum wynik;
  wynik.Kawalki = static_cast<int>(kawalki.size());
  wynik.Optymalny = wynik.Wyrownany = true;
  for (int x : puste) wynik.NajwyzejMozliwe += x;
  double reszta = kSekundStartu;  // what the greedy run needs for the runs not yet solved
  for (const TKawalek& k : kawalki) reszta += k.Ocen * kSekundNaOcene;
  size_t i = 0;
  for (; i < kawalki.size(); ++i) {
    reszta -= kawalki[i].Ocen * kSekundNaOcene;
    if (!n.Dalej() || n.Zostalo() <= reszta) break;
    const int przed = wynik.Wpisano;
    TUstawieniaOptimum ui = u;
    ui.LimitSekund = (n.Zostalo() - reszta) / static_cast<double>(kawalki.size() - i);
    ui.Postep = [&](const TPostepOptimum& pp) {
      n.postep = {przed + pp.Wpisano, wynik.NajwyzejMozliwe, 0.0};
      n.Zglos();
    };
    const TWynikOptimum w = WpiszNaRaz(m, kawalki[i].Obszar, z, ui);
    wynik.Wpisano += w.Wpisano;
    wynik.Wyrownany = wynik.Wyrownany && w.Wyrownany;
    wynik.Punkty += w.Punkty;
    wynik.PunktyWygodne += w.PunktyWygodne;
    n.przerwano = n.przerwano || w.Przerwany;
  }
  if (i < kawalki.size() && !(u.Przerwij && u.Przerwij->load())) {
    // In one run: it sets up once for all the moments left.
    TZasadyOceny za = z;
    za.Automatycznie = true;
    TWyborDoPustych wybor;
    TListaWariantow lista;
    const TObszar reszty{o.RejonOd, o.RejonDo, kawalki[i].Obszar.MomentOd, o.MomentDo};
    wynik.Wpisano += wpisz_warianty(m, reszty, za, wybor, lista);
  }
  n.przerwano = n.przerwano || (u.Przerwij && u.Przerwij->load());
  if (i < kawalki.size()) wynik.Wyrownany = false;
  wynik.Wygodny = wynik.Wpisany = Rozpietosc(m);
  wynik.Przerwany = n.przerwano;
  wynik.Optymalny = wynik.Wpisano >= wynik.NajwyzejMozliwe;
  wynik.Sekundy = n.Sekundy();
  n.postep = {wynik.Wpisano, wynik.NajwyzejMozliwe, 0.0};
  n.Zglos();
  return wynik;
}

}  // namespace velmor
