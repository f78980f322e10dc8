#pragma once
// The main window's "Eksport" menu: each format of the export table, asked
// for where it goes and written whole or not at all (error 3).
#include <QString>
#include <string>

class QWidget;

namespace velmor {

class TCellEdi;
class TDialogi;
class TDokument;
struct TFormatEksportu;

// `plan`: the duty plan window's table, which the PDF prints. False when
// nothing was written (cancelled or failed).
bool Eksportuj(const TFormatEksportu& format, QWidget* rodzic, const TDokument& dokument,
               TDialogi& dialogi, TCellEdi& plan);

// The day's cover page, written where the user says; false as above.
bool ZapiszStroneZastepstw(const std::string& html, QWidget* rodzic, TDialogi& dialogi);

}  // namespace velmor
