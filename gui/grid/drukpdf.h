#pragma once
// A table printed to a PDF file without the print dialog: the dialog's page
// layout with the table sized to its texts, on A4 in the orientation and at
// the scale that fit its width (no grid letters or row numbers, colours as on
// screen), every page of it.
#include <QString>
#include <filesystem>

class QPrinter;

namespace velmor {

class TCellEdi;

// Writes the file through a new one beside it that replaces it only when
// complete; false when nothing was written (the target is left as it was).
bool DrukujDoPdf(TCellEdi& siatka, QPrinter& drukarka, const QString& tytul,
                 const std::filesystem::path& plik);

}  // namespace velmor
