#pragma once
// How a window describes one cell of a table: sub-cells with text, colour
// and alignment, an extra border and the lines between sub-cells.
#include <cstdint>
#include <string>
#include <vector>

namespace velmor {

struct TPodoczko {
  std::string Tekst;  // Windows-1250; may hold line breaks
  uint32_t KolorTla = 0x00FFFFFF;
  int Just = 0;      // 0 left, 1 centre, 2 right
  int JustVert = 0;  // 0 top (several lines), 1 middle, 2 bottom (one line)
};

// Sides of BokiRamki.
enum : uint8_t { kBokGora = 1, kBokPrawy = 2, kBokDol = 4, kBokLewy = 8 };

struct TTekstOczka {
  int Kolumny = 1, Wiersze = 1;
  std::vector<TPodoczko> Podoczka;  // Kolumny x Wiersze, row by row
  uint32_t KolorRamki = 0x00C0C0C0;
  uint8_t GruboscRamki = 0;
  uint8_t BokiRamki = 0;
  uint32_t KolorSiatki = 0x00C0C0C0;
  uint8_t GruboscSiatki = 1;

  // The windows' construction: one white sub-cell, no border.
  TTekstOczka() : Podoczka(1) {}
  // The drawing construction: one sub-cell of the grid's colour and
  // alignments, a border pen of 1.
  TTekstOczka(uint32_t kolor, int just, int justVert)
      : Podoczka{TPodoczko{{}, kolor, just, justVert}}, GruboscRamki(1) {}

  void ustaw_tekst(int i, std::string tekst) {
    if (i >= 0 && i < Liczba()) Podoczka[static_cast<size_t>(i)].Tekst = std::move(tekst);
  }
  std::string daj_tekst(int i) const {
    return i >= 0 && i < Liczba() ? Podoczka[static_cast<size_t>(i)].Tekst : std::string();
  }
  void ustaw_kolor(uint32_t kolor) {
    for (auto& p : Podoczka) p.KolorTla = kolor;
  }
  void wpisz_kropki(int i) { ustaw_tekst(i, "....."); }
  void wpisz_nieznany(int i) {
    ustaw_tekst(i, "???");
    ustaw_kolor(0x00FFFFFF);
  }
  int Liczba() const { return static_cast<int>(Podoczka.size()); }
};

}  // namespace velmor
