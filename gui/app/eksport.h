#pragma once
// The main window's "Eksport" menu: the plan as teachers' calendars, the
// staff-room page, a table, the duty model or a PDF, each asked for where
// it goes and written whole or not at all (error 3).
#include <QString>

class QWidget;

namespace velmor {

class TCellEdi;
class TDialogi;
class TDokument;

enum class TEksport { kKalendarze, kStrona, kTabela, kModel, kPdf };

// `plan`: the duty plan window's table, which the PDF prints. False when
// nothing was written (cancelled or failed).
bool Eksportuj(TEksport rodzaj, QWidget* rodzic, const TDokument& dokument, TDialogi& dialogi,
               TCellEdi& plan);

}  // namespace velmor
