#pragma once
// Field forms shared by the models' reads: byte indices of the timetable
// file, skipped fields, list counts.
#include <cstdint>
#include <optional>

#include "core/archive/strumien.h"

namespace velmor {

// Most entries a list of teachers, classes, subjects, rooms or regions can
// address with a byte index.
constexpr int kMaksPozycji = 251;

// The int16 form of a byte value (timetable files from version 82): values up
// to 255 give their low byte, 1000 gives `zaBrak`, anything else nothing.
std::optional<uint8_t> KonwertujIndeks(int16_t x, uint8_t zaBrak);

// A byte value of a timetable file: a byte up to version 81, an int16
// converted with 1000 -> 251 (or 232 with `grupowy`) from 82 on. A value
// that cannot be converted reports error 8 and raises it.
uint8_t CzytajIndeksPlanu(TOrvelOdczyt& s, bool grupowy = false);

// The count of a list of resources; raises EStrumien above 251.
int32_t CzytajLiczbePozycji(TOrvelOdczyt& s, int64_t bajtowNaPozycje);

// The skipped list A of timetable records.
void PominListeA(TOrvelOdczyt& s);
// The skipped list B of timetable class records.
void PominListeB(TOrvelOdczyt& s);
// A skipped short text.
void PominNapis(TOrvelOdczyt& s);
// A skipped int32 count and that many bytes.
void PominBajty(TOrvelOdczyt& s);

}  // namespace velmor
