#pragma once
// A grid's look as stored in the document: fonts, colours, shading,
// alignment, column widths, row heights and frozen lines. Plain data, so a
// document read and written without any window keeps every byte; the gui grid
// converts to and from it.
#include <cstdint>
#include <string>
#include <vector>

#include "core/archive/strumien.h"

namespace velmor {

struct TCzcionka {
  std::string Nazwa = "MS Sans Serif";  // face name, Windows-1250
  int32_t Rozmiar = 8;                  // points
  bool Pogrubiona = false;
  bool Pochylona = false;
  bool Podkreslona = false;
  bool Przekreslona = false;
  uint32_t Kolor = 0;        // 0x00BBGGRR
  uint8_t ZestawZnakow = 1;  // character set number
  bool operator==(const TCzcionka&) const = default;
};

// The defaults are those of a fresh grid of 5 x 5 data cells.
struct TUstawieniaSiatki {
  TCzcionka Font;                                // data cells
  TCzcionka FontInfo;                            // header cells
  TCzcionka FontKursor = {.Kolor = 0x00FFFFFF};  // selected cells, white
  int32_t DefaultJust = 0;                       // 0 left, 1 centre, 2 right
  int32_t DefaultJustVert = 0;                   // 0 top, 1 middle, 2 bottom
  int32_t DefaultSzerIo = 100;
  int32_t DefaultWysIo = 14;
  bool EkstraKolorHorGrad = false;
  int32_t EkstraKolorZmiana = 40;  // shading depth; 0 or less: flat cells
  uint32_t InfoKolor = 0x00FFB0B0;
  uint32_t KursorKolor = 0x00A07070;
  uint32_t OczkoKolor = 0x00FFD0D0;
  uint32_t TurboMyszRuchKolor = 0x00FF90F0;
  uint32_t TurboMyszDragKolor = 0x00FFFFFF;
  bool TurboMyszRuch = true;
  int32_t FixedCols = 1;  // header included
  int32_t FixedRows = 1;
  // Every grid column and row, the header column and row first.
  std::vector<int32_t> Szerokosci = {50, 100, 100, 100, 100, 100};
  std::vector<int32_t> Wysokosci = std::vector<int32_t>(6, 14);
  bool operator==(const TUstawieniaSiatki&) const = default;
};

// Longest font name the readers take; the writer cuts longer names to it.
constexpr int32_t kNajdluzszaNazwaCzcionki = 99;
constexpr int32_t kNajdluzszaNazwaCzcionki2002 = 42;

void zapisz_font(TOrvelZapis& s, const TCzcionka& f);
// The block form written today; `wersja` goes into its first byte as given.
void zapisz2005(TOrvelZapis& s, const TUstawieniaSiatki& u, uint8_t wersja);

// Readers apply what they read only when the whole record or block was there
// and sound: a record cut off by the end of the data, a font name too long for
// the format, or a column or row count that is negative or larger than the
// rest of the file can hold leaves the target as it was and gives false; the
// stream position is then somewhere inside the record. They raise nothing.
// Fields a form does not store keep the target's values.
bool odczytaj_font(TOrvelOdczyt& s, TCzcionka& f);
bool odczytaj2005(TOrvelOdczyt& s, TUstawieniaSiatki& u);
bool odczytaj2004(TOrvelOdczyt& s, TUstawieniaSiatki& u);
bool odczytaj2002(TOrvelOdczyt& s, TUstawieniaSiatki& u);

// Reads the block in the form of a file of that version byte.
bool OdczytajUstawienia(TOrvelOdczyt& s, TUstawieniaSiatki& u, int wersjaPliku);

}  // namespace velmor
