#pragma once
// Windows and the window-settings trailer of the document: each window that
// exists registers for its row and takes its place and its table's look from
// the row after an open and gives them back before a save. Rows without a
// registered window, and the places of windows not shown since the open, are
// kept as read.
#include <QPointer>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/document/stopka.h"
#include "gui/grid/celledi.h"

class QWidget;

namespace velmor {

class TPokazania;

// The program's windows by trailer row.
class TOknaStopki {
 public:
  // `siatka`: the window's table, or nullptr. `poOdczycie` runs after the row
  // was applied (a window that fixes its table's shape).
  void Zarejestruj(TOknoStopki wiersz, QWidget* okno, TCellEdi* siatka = nullptr,
                   std::function<void()> poOdczycie = {});
  // Places the registered windows, brought onto a screen, and applies their
  // tables' looks; a row whose rectangle is all zero (never placed) changes
  // nothing. A window without a known place (see ZnaneMiejsce) gets its
  // first place beside the window it serves when it is shown.
  void Ustaw(const TStopka& stopka) const;
  // Stores the registered windows' rectangles and their tables' looks.
  void Pobierz(TStopka& stopka) const;

 private:
  struct TOknoWiersza {
    QPointer<QWidget> Okno;
    QPointer<TCellEdi> Siatka;
    std::function<void()> PoOdczycie;
    QPointer<TPokazania> Pokazania;
  };
  std::array<TOknoWiersza, kLiczbaOkienStopki> okna_;
};

// The desktop: the union of the screens' available areas; nothing without
// a screen.
std::optional<TProstokat> PulpitEkranu();
// Each screen's available area.
std::vector<TProstokat> Ekrany();

// A window's outer bounds, and the window placed at stored bounds. A
// rectangle without area (all zero: never placed) leaves the window as it is.
TProstokat ProstokatOkna(const QWidget* okno);
void UstawProstokat(QWidget* okno, const TProstokat& p);

}  // namespace velmor
