#pragma once
// The printers the print dialog offers: the system's, and always a PDF file,
// whose name is asked for when a job begins.
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace velmor {

extern const QString kPlikPdf;  // the name of the PDF file printer

QStringList DostepneDrukarki();
// The printer's name, or kPlikPdf when it writes a PDF file.
QString NazwaDrukarki(const QPrinter& p);
// Chooses a printer by name, keeping paper and orientation; an unknown name
// chooses the PDF file.
void WybierzDrukarke(QPrinter& p, const QString& nazwa);
// The set-up dialog: printer, paper, orientation. True when accepted.
bool UstawDrukarke(QPrinter& p, QWidget* rodzic);
// A save dialog for the PDF file; empty when cancelled.
QString PlikPdf(QWidget* rodzic, const QString& poprzedni);

}  // namespace velmor
