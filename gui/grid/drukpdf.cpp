#include "gui/grid/drukpdf.h"

#include <QPainter>
#include <QPrinter>
#include <system_error>

#include "core/archive/sciezka.h"
#include "gui/grid/celledi.h"

namespace velmor {

bool DrukujDoPdf(TCellEdi& siatka, QPrinter& drukarka, const QString& tytul,
                 const std::filesystem::path& plik) {
  std::filesystem::path nowy = plik;
  nowy += ".nowy";
  drukarka.setOutputFormat(QPrinter::PdfFormat);
  drukarka.setOutputFileName(QString::fromStdString(Utf8Sciezki(nowy)));
  drukarka.setDocName(tytul);
  TOpcjeWydruku opcje;
  opcje.TrybKolorow = 1;
  const int stron = siatka.IniStrony(drukarka, 400, 400, 0, opcje);
  bool udane = stron > 0;
  if (udane) {
    QPainter p;
    udane = p.begin(&drukarka);
    for (int s = 0; udane && s < stron; ++s) {
      int dol = 0;
      udane = (s == 0 || drukarka.newPage()) && siatka.DrukujStrone(p, s, dol, tytul, false, true);
    }
    if (p.isActive()) udane = p.end() && udane;
  }
  std::error_code blad;
  if (udane) std::filesystem::rename(nowy, plik, blad);
  udane = udane && !blad;
  if (!udane) std::filesystem::remove(nowy, blad);
  return udane;
}

}  // namespace velmor
