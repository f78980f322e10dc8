#pragma once
// The place of a window the plan file does not keep (the check window, and
// the like), in the user's settings (QSettings), under a group of its own.
class QWidget;

namespace velmor {

// The window at its stored place (brought onto a present screen), when one
// is stored; otherwise it keeps its own.
void CzytajMiejsce(QWidget& okno, const char* grupa);
void ZapiszMiejsce(const QWidget& okno, const char* grupa);

}  // namespace velmor
