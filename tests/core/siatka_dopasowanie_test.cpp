#include <gtest/gtest.h>

#include <vector>

#include "core/grid/dopasowanie.h"

using namespace velmor;

namespace {

// Columns of the given full-size widths cut into bands on a page 800 wide
// upright and 1100 on its side, as the page layout cuts them.
std::function<TProbaUkladu(const TDopasowanie&)> Kolumny(std::vector<int> szer) {
  return [szer](const TDopasowanie& d) {
    const double strona = d.Poziomo ? 1100 : 800;
    TProbaUkladu p{1, 0};
    double x = 0;
    for (int s : szer) {
      const double w = s * static_cast<double>(d.Skala);
      if (x + w > strona && p.KolumnWOstatnim > 0) {
        ++p.PasyKolumn;
        p.KolumnWOstatnim = 0;
        x = 0;
      }
      x += w;
      ++p.KolumnWOstatnim;
    }
    return p;
  };
}

void Oczekuj(const std::vector<int>& szer, bool poziomo, float skala) {
  const TDopasowanie d = DopasujStrone(Kolumny(szer));
  EXPECT_EQ(d.Poziomo, poziomo);
  EXPECT_FLOAT_EQ(d.Skala, skala);
}

}  // namespace

TEST(PageFit, UprightLandscapeThenSmallerWithoutALoneLastColumn) {
  Oczekuj({200, 200, 200}, false, 1.0f);
  Oczekuj({300, 300, 300}, true, 1.0f);
  // 1300 fits 1100 at 80 % (85 % is 1105).
  Oczekuj(std::vector<int>(10, 130), true, 0.8f);
  // 1500: too wide at 75 %, whose second band would hold one column; at 70 % it fits.
  Oczekuj(std::vector<int>(15, 100), true, 0.7f);
  // 2900: bands of 14 leave one column at 75 %, bands of 15 at 70 % do not.
  Oczekuj(std::vector<int>(29, 100), true, 0.7f);
  // 4000 at 75 %: 14, 14 and 12 columns; smaller would not take fewer bands.
  Oczekuj(std::vector<int>(40, 100), true, 0.75f);
  // A column too wide for any page always leaves one alone: 75 % then.
  Oczekuj({2000, 100}, true, 0.75f);
}
