#include "core/archive/napisy.h"

#include <algorithm>

#include "core/archive/bledy.h"

namespace velmor {
namespace {

// A stored text ends at its first zero byte.
void Przypisz(std::string& tekst, const char* bajty, size_t n) {
  tekst.assign(bajty, std::find(bajty, bajty + n, '\0'));
}

}  // namespace

void ZapiszNapis(TOrvelZapis& s, std::string_view tekst) {
  const auto n = static_cast<uint8_t>(std::min<size_t>(tekst.size(), 255));
  s.ZapiszBajt(n);
  s.Write(tekst.data(), n);
}

void CzytajNapis(TOrvelOdczyt& s, std::string& tekst) {
  char bufor[256];
  const uint8_t n = s.CzytajBajt();
  s.CzytajBajty(bufor, n);
  Przypisz(tekst, bufor, n);
}

void ZapiszTekst(TOrvelZapis& s, std::string_view tekst) {
  s.ZapiszI32(static_cast<int32_t>(tekst.size()));
  s.Write(tekst.data(), tekst.size());
}

void CzytajTekst(TOrvelOdczyt& s, std::string& tekst) {
  const int32_t n = s.CzytajI32();
  if (n < 0) return;
  if (n > s.Pozostalo()) throw EStrumien("nieoczekiwany koniec pliku");
  std::string bufor(static_cast<size_t>(n), '\0');
  s.CzytajBajty(bufor.data(), bufor.size());
  Przypisz(tekst, bufor.data(), bufor.size());
}

void ZapiszOkno(TOrvelZapis& s, const TProstokat& okno) {
  for (int32_t x : {okno.Left, okno.Top, okno.Right, okno.Bottom}) s.ZapiszI32(x);
}

bool CzytajOkno(TOrvelOdczyt& s, TProstokat& okno, const TProstokat& pulpit) {
  int32_t b[4];
  if (s.Pozostalo() < 16) {
    s.Read(b, sizeof b);
    return false;
  }
  s.Read(b, sizeof b);
  // 64-bit arithmetic: stored values may be anything.
  int64_t lewo = b[0], gora = b[1];
  const int64_t szer = int64_t{b[2]} - lewo, wys = int64_t{b[3]} - gora;
  if (lewo < pulpit.Left || lewo > int64_t{pulpit.Right} - 10) lewo = 0;
  if (gora < pulpit.Top || gora > int64_t{pulpit.Bottom} - 10) gora = 0;
  okno = {static_cast<int32_t>(lewo), static_cast<int32_t>(gora), static_cast<int32_t>(lewo + szer),
          static_cast<int32_t>(gora + wys)};
  return true;
}

}  // namespace velmor
