#pragma once
// A table printed to a PDF file without the print dialog: the same page
// layout as the dialog's, every page of it, the dialog's defaults (no
// margins, 100 %, both headers, colours as on screen).
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
