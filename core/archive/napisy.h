#pragma once
// Texts and window rectangles in the container.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/archive/strumien.h"

namespace velmor {

// Short text: one length byte (at most 255, longer texts are cut), then the
// Windows-1250 bytes.
void ZapiszNapis(TOrvelZapis& s, std::string_view tekst);
void CzytajNapis(TOrvelOdczyt& s, std::string& tekst);

// Long text: int32 length, then the bytes. A negative length leaves the
// target untouched.
void ZapiszTekst(TOrvelZapis& s, std::string_view tekst);
void CzytajTekst(TOrvelOdczyt& s, std::string& tekst);

// A window's outer bounds in screen pixels.
struct TProstokat {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  int32_t Szerokosc() const { return Right - Left; }
  int32_t Wysokosc() const { return Bottom - Top; }
  bool operator==(const TProstokat&) const = default;
};

void ZapiszOkno(TOrvelZapis& s, const TProstokat& okno);

// Reads 16 bytes into the window, kept on the desktop: a left (top) edge off
// the desktop or within 10 pixels of its far edge becomes 0, the size stays.
// When fewer than 16 bytes remain the window is left as it was and the
// result is false.
bool CzytajOkno(TOrvelOdczyt& s, TProstokat& okno, const TProstokat& pulpit);

}  // namespace velmor
