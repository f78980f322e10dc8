#pragma once
// The stages of the optimal entry after the first: with its cells and clean
// cells kept, the loads evened, then the score.
#include <vector>

#include "core/planning/optimum_cbc.h"

namespace velmor {

// x, the first stage's plan, becomes the fair plan of as many cells and
// clean cells: the smallest largest load (the larger share of a teacher's
// count and minutes limits), then the fewest teachers at each duty count
// from the largest down to 2 (which also makes the largest count the
// smallest), then the fewest teachers without a duty who could have one,
// then the highest total score. Each goal reached is kept as a row for the
// stages after it. True when every stage was proven.
bool Wyrownaj(TProgramCalkowity& p, const TModele& m, std::vector<double>& x, TNadzor& n);

// The total score of solution x: its teachers' scores and pair bonuses.
int Punkty(const TProgramCalkowity& p, const std::vector<double>& x);

}  // namespace velmor
