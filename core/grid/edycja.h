#pragma once
// In-cell editing of a text or a number by keys and clicks, as the editor
// windows use it. Characters are Windows-1250 byte values.
#include <string>

namespace velmor {

constexpr int kKlawiszBackspace = 8;
constexpr int kKlawiszEnter = 13;
constexpr int kKlawiszUsun = '~';  // Delete as the grid hands it on

// Which cell a number is being typed into, and what has been typed.
struct TStanEdycji {
  static constexpr size_t kRozmiarBufora = 100;
  const void* Wlasciciel = nullptr;
  int x = -1, y = -1;
  std::string Bufor;         // at most kRozmiarBufora bytes
  bool Nieprzyjeta = false;  // Bufor holds a number below the minimum, not taken
};

// Backspace drops the last character, "~" clears, Enter adds CR LF when
// `wielowierszowy` and the text is shorter than maks - 1, a character from 32
// is appended while the text is shorter than maks. When one applies the key
// becomes 0 and the result is true; otherwise both stay as they were.
bool edytuj_tekst(TStanEdycji& stan, std::string& tekst, int& klawisz, int maks,
                  bool wielowierszowy);

// "+" and "-" (or button 1 and 2) step the value, "~" sets 0 (or, when 0 is
// below the minimum, empties the number for typing); digits, a separator and
// Backspace edit the number as typed into cell (x, y) of `wlasciciel`,
// starting from the value shown when the cell changes. A result inside
// min..max is rounded half up to `miejsc` decimals and taken: the key becomes
// 0 and the result is true. A typed number below the minimum is kept in the
// buffer without being taken (see Nieprzyjeta): the key becomes 0 and the
// result is false. Otherwise outside the range value, buffer and key stay as
// they were and the result is false; with 0 decimals a separator is refused
// as the key "x".
bool edytuj_liczbe(TStanEdycji& stan, double& wartosc, int& klawisz, int przycisk, double krok,
                   double min, double max, int miejsc, const void* wlasciciel, int x, int y);

// True while cell (x, y) of `wlasciciel` holds a typed number that was not
// taken, being below the minimum.
bool Nieprzyjeta(const TStanEdycji& stan, const void* wlasciciel, int x, int y);

}  // namespace velmor
