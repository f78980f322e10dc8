#pragma once
// The page the export prints a table on: orientation and scale chosen so that
// the table's width fits the page, or takes as few pages across as it can.
#include <functional>

namespace velmor {

struct TDopasowanie {
  bool Poziomo = false;  // landscape
  float Skala = 1.0f;    // size % / 100
  bool operator==(const TDopasowanie&) const = default;
};

// What a trial layout gives across the page.
struct TProbaUkladu {
  int PasyKolumn = 1;
  int KolumnWOstatnim = 1;  // columns of the last band
};

// Portrait at full size when the table fits its width; else landscape at the
// largest scale down to 75 % (6-point text of the usual 8) that fits. A table
// wider still prints at 75 % over several bands, or down to 60 % where that
// spares a last band holding a single column.
TDopasowanie DopasujStrone(const std::function<TProbaUkladu(const TDopasowanie&)>& proba);

}  // namespace velmor
