#include "gui/grid/drukpdf.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <system_error>

#include "core/archive/sciezka.h"
#include "core/grid/dopasowanie.h"
#include "gui/grid/celledi.h"
#include "gui/grid/miara_druku.h"

namespace velmor {
namespace {

// Lays the table out on an A4 sheet in the orientation and at the scale given.
int Uloz(TCellEdi& siatka, QPrinter& drukarka, const TMiaraDruku& miara, const TDopasowanie& d) {
  drukarka.setPageOrientation(d.Poziomo ? QPageLayout::Landscape : QPageLayout::Portrait);
  TOpcjeWydruku opcje;
  opcje.TrybKolorow = 1;
  opcje.Skala = d.Skala;
  return siatka.IniStrony(drukarka, 400, 400, 0, opcje, miara.Rozmiary(drukarka, d.Skala));
}

}  // namespace

bool DrukujDoPdf(TCellEdi& siatka, QPrinter& drukarka, const QString& tytul,
                 const std::filesystem::path& plik) {
  std::filesystem::path nowy = plik;
  nowy += ".nowy";
  drukarka.setOutputFormat(QPrinter::PdfFormat);
  drukarka.setOutputFileName(QString::fromStdString(Utf8Sciezki(nowy)));
  drukarka.setDocName(tytul);
  drukarka.setPageSize(QPageSize(QPageSize::A4));
  const TMiaraDruku miara(siatka);
  const TDopasowanie dopasowanie = DopasujStrone([&](const TDopasowanie& d) {
    Uloz(siatka, drukarka, miara, d);
    const TUkladStron& u = siatka.UkladStron();
    const int pasy = u.PasyKolumn();
    return TProbaUkladu{pasy, pasy > 0 ? u.PodzialKolumn[static_cast<size_t>(pasy)] -
                                             u.PodzialKolumn[static_cast<size_t>(pasy) - 1]
                                       : 0};
  });
  const int stron = Uloz(siatka, drukarka, miara, dopasowanie);
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
