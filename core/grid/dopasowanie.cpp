#include "core/grid/dopasowanie.h"

namespace velmor {
namespace {

constexpr int kNajmniejszy = 75, kOstatecznie = 60, kKrok = 5;  // per cent

TDopasowanie Poziomo(int procent) { return {true, static_cast<float>(procent) / 100.0f}; }

}  // namespace

TDopasowanie DopasujStrone(const std::function<TProbaUkladu(const TDopasowanie&)>& proba) {
  const TDopasowanie pionowo{};
  if (proba(pionowo).PasyKolumn <= 1) return pionowo;
  for (int procent = 100; procent >= kNajmniejszy; procent -= kKrok)
    if (proba(Poziomo(procent)).PasyKolumn <= 1) return Poziomo(procent);
  for (int procent = kNajmniejszy; procent >= kOstatecznie; procent -= kKrok) {
    const TProbaUkladu p = proba(Poziomo(procent));
    if (p.PasyKolumn <= 1 || p.KolumnWOstatnim > 1) return Poziomo(procent);
  }
  return Poziomo(kNajmniejszy);
}

}  // namespace velmor
