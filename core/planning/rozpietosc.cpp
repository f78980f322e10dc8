#include "core/planning/rozpietosc.h"

#include <algorithm>
#include <cmath>

#include "core/planning/ogolne.h"

namespace velmor {

TRozpietosc Rozpietosc(const TModele& m) {
  const TObciazenia o = TOgolne(m).policz_obciazenia();
  TRozpietosc r;
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    const TNaucz& n = m.Nauczyciele[t];
    if (n.LimitDyzurow <= 0 || n.LimitMinut <= 0) continue;
    const int dyzury = o.Dyzury[static_cast<size_t>(t)], minuty = o.Minuty[static_cast<size_t>(t)];
    const double obciazenie = std::max(static_cast<double>(dyzury) / n.LimitDyzurow,
                                       static_cast<double>(minuty) / n.LimitMinut);
    r.NajwiekszeObciazenie =
        r.Nauczycieli ? std::max(r.NajwiekszeObciazenie, obciazenie) : obciazenie;
    r.NajmniejszeObciazenie =
        r.Nauczycieli ? std::min(r.NajmniejszeObciazenie, obciazenie) : obciazenie;
    ++r.Nauczycieli;
    r.NajwiecejDyzurow = std::max(r.NajwiecejDyzurow, dyzury);
    r.NaLimicie += dyzury >= n.LimitDyzurow || minuty >= n.LimitMinut;
    r.BezDyzuru += dyzury == 0;
  }
  return r;
}

int Procent(double udzial) { return static_cast<int>(std::lround(100.0 * udzial)); }

std::string OpisRozpietosci(const TRozpietosc& r) {
  const auto procent = [](double u) { return std::to_string(Procent(u)); };
  std::string opis = "obciążenie od ";
  opis.append(procent(r.NajmniejszeObciazenie)).append("% do ");
  opis.append(procent(r.NajwiekszeObciazenie)).append("%, u limitu: ");
  opis.append(std::to_string(r.NaLimicie)).append(", bez dyżuru: ");
  return opis.append(std::to_string(r.BezDyzuru));
}

}  // namespace velmor
