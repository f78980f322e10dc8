#pragma once
// The frame every tool window starts with.
#include <span>

class QToolBar;
class QToolButton;
class QVBoxLayout;
class QWidget;

namespace velmor {

// Names the window, sets its caption (UTF-8) and help topic, and gives it a
// column layout without margins.
QVBoxLayout* RamkaOkna(QWidget* okno, const char* nazwa, const char* tytul, int pomoc);
// A toolbar added to the column, holding the buttons.
QToolBar* PasekOkna(QVBoxLayout* uklad, std::span<QToolButton* const> przyciski = {});

}  // namespace velmor
