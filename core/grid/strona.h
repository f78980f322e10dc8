#pragma once
// Cutting a table into printed pages: bands of columns and rows that fit the
// printable page, and where each cell of a page goes. Sizes are in printer
// pixels unless named otherwise; every conversion truncates toward zero.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/grid/zaznaczenie.h"

namespace velmor {

// What the screen, the printer and the preview tell the layout.
struct TUrzadzenieStrony {
  int EkranX = 96, EkranY = 96;          // screen pixels per inch
  int DrukarkaX = 600, DrukarkaY = 600;  // printer pixels per inch
  int Szer = 0, Wys = 0;                 // printable page, printer pixels
  int PodgladSzer = 0, PodgladWys = 0;   // preview area, screen pixels
};

struct TOpcjeWydruku {
  float Skala = 1.0f;  // size % / 100
  bool TylkoZaznaczenie = false;
  int LewyMm = 0, PrawyMm = 0, GornyMm = 0, DolnyMm = 0;
  bool LeweNaglowki = true, GorneNaglowki = true;
  int TrybKolorow = 0;  // 0 black and white, 1 as on screen, 2 coloured text
};

// The table as the layout sees it: every grid column width and row height
// in screen pixels, the header ones first.
struct TSiatkaDoDruku {
  std::span<const int> Szerokosci, Wysokosci;
  int FixedCols = 1, FixedRows = 1;
  TZaznaczenie Zaznaczenie{1, 1, 1, 1};  // grid coordinates
  // Frozen lines before these are not printed (the export leaves out the
  // letters and row numbers of a grid without header texts of its own).
  int OdStalejKolumny = 0, OdStalegoWiersza = 0;
};

// The export's own sizes of every grid line (screen pixels, as the grid's),
// and the frozen lines it leaves out.
struct TRozmiaryDruku {
  std::vector<int> Szerokosci, Wysokosci;
  int OdStalejKolumny = 0, OdStalegoWiersza = 0;
};

struct TOpisStrony {
  int PasKolumn = 0, PasWierszy = 0;
  int PierwszaKolumna = 0, PierwszyWiersz = 0;
  int OstatniaKolumna = 0, OstatniWiersz = 0;
  int X = 0, Y = 0;  // top-left of the table, printer pixels
  bool LeweNaglowki = false, GorneNaglowki = false;
};

// One column or row of a page: its grid index and where it starts and ends.
struct TOdcinek {
  int Indeks, Poczatek, Koniec;
  bool operator==(const TOdcinek&) const = default;
};

struct TUkladStron {
  float SkalaDruku = 1.0f;
  double SkalaX = 1, SkalaY = 1;      // printer pixels per screen pixel, scaled
  double PodgladX = 1, PodgladY = 1;  // preview pixels per printer pixel
  double PodgladCzcionki = 1;         // preview size / paper size
  bool LeweNaglowki = true, GorneNaglowki = true;
  int LewyMargines = 0, PrawyMargines = 0, GornyMargines = 0, DolnyMargines = 0;
  int DziesiecMm = 0;              // the band above the table holding the title line
  int GoraPierwszej = 0;           // top of the table on pages of the first row band
  bool TytulSieNieMiesci = false;  // one-shot: the table must start a new sheet
  int TrybKolorow = 0;
  // Entry k is the first column (row) of band k; the last entry is one past
  // the last printed column (row).
  std::vector<int> PodzialKolumn, PodzialWierszy;
  // The sizes the table was laid out with, and its frozen lines.
  std::vector<int> Szerokosci, Wysokosci;
  int FixedCols = 1, FixedRows = 1, OdStalejKolumny = 0, OdStalegoWiersza = 0;

  // Lays the table out below `pozycjaArkusza` (0: a fresh sheet) and gives
  // the page count; 0 when the device reports no page or resolution.
  int IniStrony(const TUrzadzenieStrony& u, int pozycjaArkusza, const TOpcjeWydruku& o,
                const TSiatkaDoDruku& s);
  int PasyKolumn() const { return Pasy(PodzialKolumn); }
  int PasyWierszy() const { return Pasy(PodzialWierszy); }
  int LiczbaStron() const { return PasyKolumn() * PasyWierszy(); }
  // Pages run down first; nothing for a page outside the layout.
  std::optional<TOpisStrony> OpisStrony(int strona) const;

 private:
  static int Pasy(const std::vector<int>& podzial) {
    return podzial.empty() ? 0 : static_cast<int>(podzial.size()) - 1;
  }
};

// The grid lines a page prints in one direction: the frozen ones from
// `odStalej` first when headers print on it, then those from `pierwszy` to
// `ostatni`. Each starts where the one before ends; its size is
// rozmiar x skala x podglad.
std::vector<TOdcinek> OdcinkiStrony(std::span<const int> rozmiary, int stale, bool naglowki,
                                    int pierwszy, int ostatni, int poczatek, double skala,
                                    double podglad, int odStalej = 0);

// " strona", " strony" or " stron" after the count.
std::string LiczbaStronNapis(int strony);

struct TObszarPodgladu {
  int X, Y, Szer, Wys;
  bool operator==(const TObszarPodgladu&) const = default;
};
// The preview area: the page's proportions within 400 x 400 at (302, 35).
TObszarPodgladu ObszarPodgladu(int szerStrony, int wysStrony);

}  // namespace velmor
