#pragma once
// What the windows of the duty plan and its editors share: panel buttons,
// the clipboard answers and the ban sign in a cell.
#include <span>
#include <string>

class QBoxLayout;
class QPainter;
class QPushButton;
class QWidget;

namespace velmor {

class TCellEdi;

// A button of the window's panel, its hint as its text.
QPushButton* PrzyciskPanelu(QWidget* rodzic, QBoxLayout* uklad, const char* podpowiedz);
// The first line of a Windows-1250 text.
std::string PierwszaLinia(const std::string& tekst);
// The clipboard takes the first line of each cell's text.
void SchowekPierwszaLinia(TCellEdi& siatka);
// The clipboard takes the first sub-cell text of each data cell.
void SchowekTekstOczka(TCellEdi& siatka);
// As many columns as headings (UTF-8), each headed by its own.
void UstawNaglowki(TCellEdi& siatka, std::span<const char* const> naglowki);
// The ban sign, centred in the data cell (x, y) drawn at (x0, y0).
void RysujZakaz(TCellEdi& siatka, QPainter& p, int x, int y, int x0, int y0);

}  // namespace velmor
