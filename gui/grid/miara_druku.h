#pragma once
// Grid line sizes that hold every printed text whole: column widths and row
// heights measured in the print fonts, for a printing that sizes the table
// to its texts rather than to the window's look.
#include <QString>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/grid/strona.h"
#include "core/grid/tekstoczka.h"

class QPaintDevice;

namespace velmor {

class TCellEdi;

class TMiaraDruku {
 public:
  // Asks the grid once for every cell it prints and keeps each line's
  // distinct texts. The letters and row numbers of a grid without header
  // texts of its own are left out.
  explicit TMiaraDruku(TCellEdi& siatka);
  // The sizes at print scale `skala` on `drukarka`, in the grid's screen
  // pixels: the widest (tallest) text of each line and a little space.
  TRozmiaryDruku Rozmiary(QPaintDevice& drukarka, double skala) const;

 private:
  struct TTekst {
    int Czcionka, Flagi;
    QString Tekst;
  };
  int Tekst(int czcionka, const TPodoczko& po);

  TCellEdi& siatka_;
  int odKolumny_, odWiersza_;
  std::vector<TTekst> teksty_;
  std::map<std::tuple<int, int, std::string>, int> indeksy_;
  // Per grid line: (text, sub-cells across or down) of every cell in it.
  std::vector<std::set<std::pair<int, int>>> kolumny_, wiersze_;
};

}  // namespace velmor
