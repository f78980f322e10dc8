#include "core/grid/ustawienia.h"

#include <algorithm>

#include "core/archive/bledy.h"

namespace velmor {
namespace {

void ZapiszKolor(TOrvelZapis& s, uint32_t kolor) { s.ZapiszI32(static_cast<int32_t>(kolor)); }
void ZapiszFlage(TOrvelZapis& s, bool b) { s.ZapiszBajt(b ? 1 : 0); }

void ZapiszRozmiary(TOrvelZapis& s, const std::vector<int32_t>& v) {
  s.ZapiszI32(static_cast<int32_t>(v.size()));
  for (int32_t x : v) s.ZapiszI32(x);
}

// The typed reads below raise EStrumien; the public readers catch it.
uint32_t CzytajKolor(TOrvelOdczyt& s) { return static_cast<uint32_t>(s.CzytajI32()); }
bool CzytajFlage(TOrvelOdczyt& s) { return s.CzytajBajt() != 0; }

void CzytajFont(TOrvelOdczyt& s, TCzcionka& f, int32_t najdluzszaNazwa, bool zZestawem) {
  const int32_t n = s.CzytajI32();
  if (n < 0 || n > najdluzszaNazwa) throw EStrumien("nazwa czcionki poza formatem");
  std::string nazwa(static_cast<size_t>(n), '\0');
  s.CzytajBajty(nazwa.data(), nazwa.size());
  f.Nazwa = std::move(nazwa);
  f.Rozmiar = s.CzytajI32();
  f.Pogrubiona = CzytajFlage(s);
  f.Pochylona = CzytajFlage(s);
  f.Podkreslona = CzytajFlage(s);
  f.Przekreslona = CzytajFlage(s);
  f.Kolor = CzytajKolor(s);
  if (zZestawem) f.ZestawZnakow = s.CzytajBajt();
}

void CzytajFontPelny(TOrvelOdczyt& s, TCzcionka& f) {
  CzytajFont(s, f, kNajdluzszaNazwaCzcionki, true);
}

void CzytajFonty(TOrvelOdczyt& s, TUstawieniaSiatki& u) {
  for (TCzcionka* f : {&u.Font, &u.FontInfo, &u.FontKursor}) CzytajFontPelny(s, *f);
}

void CzytajRozmiary(TOrvelOdczyt& s, std::vector<int32_t>& v) {
  v.resize(static_cast<size_t>(s.CzytajLiczbe(4)));
  for (int32_t& x : v) x = s.CzytajI32();
}

void CzytajSiatke(TOrvelOdczyt& s, TUstawieniaSiatki& u) {
  CzytajRozmiary(s, u.Szerokosci);
  CzytajRozmiary(s, u.Wysokosci);
}

// Alignment to hover colour, in the order the 2004 and 2005 forms share.
void CzytajWyglad(TOrvelOdczyt& s, TUstawieniaSiatki& u) {
  u.DefaultJust = s.CzytajI32();
  u.DefaultJustVert = s.CzytajI32();
  u.DefaultSzerIo = s.CzytajI32();
  u.DefaultWysIo = s.CzytajI32();
  u.EkstraKolorHorGrad = CzytajFlage(s);
  u.EkstraKolorZmiana = s.CzytajI32();
  u.InfoKolor = CzytajKolor(s);
  u.KursorKolor = CzytajKolor(s);
  u.OczkoKolor = CzytajKolor(s);
  u.TurboMyszRuchKolor = CzytajKolor(s);
}

// Reads into a copy and hands it over only when the whole block was read.
template <class T, class F>
bool Przyjmij(TOrvelOdczyt& s, T& cel, F czytaj) {
  T kopia = cel;
  try {
    czytaj(s, kopia);
  } catch (const EStrumien&) {
    return false;
  }
  cel = std::move(kopia);
  return true;
}

void Czytaj2005(TOrvelOdczyt& s, TUstawieniaSiatki& u) {
  s.CzytajBajt();  // version
  CzytajFonty(s, u);
  CzytajWyglad(s, u);
  u.TurboMyszDragKolor = CzytajKolor(s);
  u.TurboMyszRuch = CzytajFlage(s);
  u.FixedCols = s.CzytajI32();
  u.FixedRows = s.CzytajI32();
  CzytajSiatke(s, u);
}

void Czytaj2004(TOrvelOdczyt& s, TUstawieniaSiatki& u) {
  CzytajFonty(s, u);
  s.CzytajBajt();  // marker
  CzytajWyglad(s, u);
  u.TurboMyszRuch = CzytajFlage(s);
  CzytajSiatke(s, u);
}

void Czytaj2002(TOrvelOdczyt& s, TUstawieniaSiatki& u) {
  CzytajFont(s, u.Font, kNajdluzszaNazwaCzcionki2002, false);
  u.DefaultSzerIo = s.CzytajI32();
  u.DefaultWysIo = s.CzytajI32();
  u.InfoKolor = CzytajKolor(s);
  u.OczkoKolor = CzytajKolor(s);
  u.DefaultJust = s.CzytajI32();
  CzytajSiatke(s, u);
}

}  // namespace

void zapisz_font(TOrvelZapis& s, const TCzcionka& f) {
  // A longer name would make the whole block unreadable.
  const auto n = std::min<size_t>(f.Nazwa.size(), kNajdluzszaNazwaCzcionki);
  s.ZapiszI32(static_cast<int32_t>(n));
  s.Write(f.Nazwa.data(), n);
  s.ZapiszI32(f.Rozmiar);
  for (bool styl : {f.Pogrubiona, f.Pochylona, f.Podkreslona, f.Przekreslona}) ZapiszFlage(s, styl);
  ZapiszKolor(s, f.Kolor);
  s.ZapiszBajt(f.ZestawZnakow);
}

void zapisz2005(TOrvelZapis& s, const TUstawieniaSiatki& u, uint8_t wersja) {
  s.ZapiszBajt(wersja);
  for (const TCzcionka* f : {&u.Font, &u.FontInfo, &u.FontKursor}) zapisz_font(s, *f);
  for (int32_t x : {u.DefaultJust, u.DefaultJustVert, u.DefaultSzerIo, u.DefaultWysIo})
    s.ZapiszI32(x);
  ZapiszFlage(s, u.EkstraKolorHorGrad);
  s.ZapiszI32(u.EkstraKolorZmiana);
  for (uint32_t k :
       {u.InfoKolor, u.KursorKolor, u.OczkoKolor, u.TurboMyszRuchKolor, u.TurboMyszDragKolor})
    ZapiszKolor(s, k);
  ZapiszFlage(s, u.TurboMyszRuch);
  s.ZapiszI32(u.FixedCols);
  s.ZapiszI32(u.FixedRows);
  ZapiszRozmiary(s, u.Szerokosci);
  ZapiszRozmiary(s, u.Wysokosci);
}

bool odczytaj_font(TOrvelOdczyt& s, TCzcionka& f) { return Przyjmij(s, f, CzytajFontPelny); }

bool odczytaj2005(TOrvelOdczyt& s, TUstawieniaSiatki& u) { return Przyjmij(s, u, Czytaj2005); }
bool odczytaj2004(TOrvelOdczyt& s, TUstawieniaSiatki& u) { return Przyjmij(s, u, Czytaj2004); }
bool odczytaj2002(TOrvelOdczyt& s, TUstawieniaSiatki& u) { return Przyjmij(s, u, Czytaj2002); }

bool OdczytajUstawienia(TOrvelOdczyt& s, TUstawieniaSiatki& u, int wersjaPliku) {
  if (wersjaPliku <= 68) return odczytaj2002(s, u);
  if (wersjaPliku <= 72) return odczytaj2004(s, u);
  return odczytaj2005(s, u);
}

}  // namespace velmor
