#pragma once
// The grid's own in-memory stream for copying and pasting window records
// cell by cell. Integers are little-endian.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/grid/zaznaczenie.h"

namespace velmor {

class TStrumienRekordow {
 public:
  void Wyczysc();
  // Writes at the position, overwriting and growing as needed.
  void Zapisz(const void* dane, size_t liczba);
  void ZapiszI32(int32_t x);
  // Reads up to `liczba` bytes; gives the number read.
  size_t Czytaj(void* dane, size_t liczba);
  // 0 when fewer than 4 bytes remain (those are consumed).
  int32_t CzytajI32();
  size_t Pozycja() const { return pozycja_; }
  size_t Rozmiar() const { return dane_.size(); }
  void NaPoczatek() { pozycja_ = 0; }

 private:
  std::vector<uint8_t> dane_;
  size_t pozycja_ = 0;
};

// Empties the stream and, for every selected cell row by row and left to
// right, writes its column and row offsets from the selection's top-left
// cell, then lets `zapiszOczko` append the record of data cell (x, y).
void KopiujRekordy(TStrumienRekordow& s, const TZaznaczenie& z,
                   const std::function<void(int x, int y, TStrumienRekordow&)>& zapiszOczko);

// Reads the stream from its start: for every record its two offsets, then
// `czytajOczko` reads the record for (lewaX + column offset, gornaY + row
// offset), which may lie beyond the table. Stops at the end of what was in
// the stream, at a cut-off pair of offsets, at an offset sum beyond int, and
// when a callback moves the stream back, so it always ends.
void WklejRekordy(TStrumienRekordow& s, int lewaX, int gornaY,
                  const std::function<void(int x, int y, TStrumienRekordow&)>& czytajOczko);

}  // namespace velmor
