#include "core/planning/optimum.h"

#include <algorithm>
#include <vector>

#include "core/planning/optimum_cbc.h"
#include "core/planning/optimum_program.h"
#include "core/planning/optimum_rowne.h"

namespace velmor {
namespace {

int Komorki(const TProgramCalkowity& p, const std::vector<double>& x) {
  return static_cast<int>(
      std::count_if(x.begin(), x.begin() + p.KolumnaW(), [](double v) { return v > 0.5; }));
}

// The decided cells as solution x fills them.
void Wpisz(TModele& m, const TProgramCalkowity& p, const std::vector<double>& x) {
  for (const auto& [r, k] : p.Komorki) m.Dyzury.UstawDyzurnego(r, k, kBrak);
  for (size_t i = 0; i < p.Zm.size(); ++i)
    if (x[i] > 0.5) m.Dyzury.UstawDyzurnego(p.Zm[i].r, p.Zm[i].m, static_cast<uint8_t>(p.Zm[i].t));
}

}  // namespace

TWynikOptimum wpisz_optymalnie(TModele& m, const TObszar& obszar, const TZasadyOceny& z,
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
  n.postep.Wpisano = Komorki(p, start);
  n.postep.NajwyzejMozliwe = static_cast<int>(std::count_if(
      p.WKomorce.begin(), p.WKomorce.end(), [](const auto& k) { return !k.empty(); }));
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
  wynik.Wpisano = Komorki(p, x);
  wynik.Przerwany = n.przerwano;
  wynik.NajwyzejMozliwe = std::max(n.postep.NajwyzejMozliwe, wynik.Wpisano);
  // As many cells as could be: optimal in the first goal, proven or not.
  wynik.Optymalny = pierwszy.Optymalne || wynik.Wpisano >= wynik.NajwyzejMozliwe;
  wynik.Sekundy = n.Sekundy();
  n.postep = {wynik.Wpisano, wynik.NajwyzejMozliwe, 0.0};
  n.Zglos();
  return wynik;
}

}  // namespace velmor
