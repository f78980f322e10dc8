#pragma once
// The 16-byte record of the automatic-entry and plan colouring options.
#include <array>
#include <cstdint>

#include "core/archive/strumien.h"

namespace velmor {

struct TOpcje {
  // Bytes 0, 1, 2 and 4 are the options (0 or 1); byte 5 lets the optimal
  // entry take candidates with a reservation and byte 6 is its time limit in
  // seconds, 0 for the default (older files hold 0 in both); the others are
  // reserved.
  std::array<uint8_t, 16> Bajty{0, 0, 1, 0, 1};
  static constexpr int kDomyslnyLimitSekund = 10;

  int LimitSekund() const { return Bajty[6] != 0 ? Bajty[6] : kDomyslnyLimitSekund; }

  // Duty-plan files only. A file that ends before the record keeps the
  // options of a fresh document.
  void Czytaj(TOrvelOdczyt& s, int rodzaj);
  void Zapisz(TOrvelZapis& s) const { s.Write(Bajty.data(), Bajty.size()); }
  bool operator==(const TOpcje&) const = default;
};

}  // namespace velmor
