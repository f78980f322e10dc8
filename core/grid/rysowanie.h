#pragma once
// The arithmetic behind painting a grid cell and the window graphics drawn
// in it: colours, sub-cell rectangles and shapes. Colours are 0x00BBGGRR.
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace velmor {

// Start and end colour of a cell's shading of total spread `zmiana`: every
// channel moves by zmiana / 2 down and up, kept within 0..255.
std::pair<uint32_t, uint32_t> KoloryGradientu(uint32_t tlo, int zmiana);

struct TKoloryTrybu {
  uint32_t Tlo;
  bool WlasnyKolorCzcionki;  // the font keeps its colour; KolorTekstu unused
  uint32_t KolorTekstu;
};

// Modes: 0 black on white, 1 the sub-cell's colour, 2 text in the sub-cell's
// colour on white (black for white and the default cell colours), 3 and 4
// the header highlight colours. Other modes paint as mode 1.
TKoloryTrybu KoloryTrybu(int tryb, uint32_t kolorPodoczka, uint32_t oczkoKolor, uint32_t infoKolor,
                         uint32_t ruchKolor, uint32_t dragKolor);

struct TProstokatCalk {
  int Left, Top, Right, Bottom;
  bool operator==(const TProstokatCalk&) const = default;
};

// Sub-cells row by row, left to right; the last column and row take what the
// equal division leaves. Counts below 1 count as 1.
std::vector<TProstokatCalk> PodzialOczka(const TProstokatCalk& r, int kolumny, int wiersze);

// Where a window draws in a cell: top-left corner and size.
struct TGrafOczka {
  int x0, y0, szer, wys;
  // Align 0: near edge + margin + 1; 2: far edge - margin - 1; else centre.
  int pozycja_x(int align, int margines) const;
  int pozycja_y(int align, int margines) const;
};

// Corners of the 14-pixel arrow, pointing up or down.
std::array<std::pair<int, int>, 3> Trojkat(const TGrafOczka& g, int alignX, int alignY, bool wGore);
// The ban sign of radius r: its disc and the white bar across it.
TProstokatCalk KolkoZakazu(const TGrafOczka& g, int alignX, int alignY, int r);
TProstokatCalk BelkaZakazu(const TGrafOczka& g, int alignX, int alignY, int r);
// A gauge of up to 20 blocks stacked from the bottom of the cell, lowest
// first; each is filled and gets a line along its top edge.
std::vector<TProstokatCalk> Slupki(const TGrafOczka& g, int liczba);

// Font size times the scale, truncated, at least 2.
int SkalujRozmiarCzcionki(int rozmiar, double skala);

}  // namespace velmor
