#pragma once
// The frame every tool window starts with.
#include <QString>
#include <functional>
#include <span>

#include "gui/common/uslugi.h"

class QAbstractButton;
class QToolBar;
class QToolButton;
class QVBoxLayout;
class QWidget;

namespace velmor {

class TCellEdi;

// Names the window, sets its caption (UTF-8) and help topic, and gives it a
// column layout without margins.
QVBoxLayout* RamkaOkna(QWidget* okno, const char* nazwa, const char* tytul, int pomoc);
// A toolbar added to the column, holding the buttons.
QToolBar* PasekOkna(QVBoxLayout* uklad, std::span<QToolButton* const> przyciski = {});

// The table's corner opens the appearance dialog with `wyglad`; `drukuj`,
// when given, prints the table under `tytul` (asked at each press; "Orvel"
// when none).
void PodlaczDialogi(TCellEdi& siatka, TUslugiOkna& uslugi, TOpcjeWygladu wyglad,
                    QAbstractButton* drukuj = nullptr, std::function<QString()> tytul = {});

}  // namespace velmor
