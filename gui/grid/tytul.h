#pragma once
// Room for a window's title.
class QWidget;

namespace velmor {

// Makes a dialog at least wide enough for its whole title beside the title
// bar's icon and buttons.
void MiejsceNaTytul(QWidget* okno);

}  // namespace velmor
