// Copy and paste of TCellEdi through the system clipboard.
#include <QClipboard>
#include <QGuiApplication>

#include "core/grid/tekst_tabeli.h"
#include "core/grid/wklejanie.h"
#include "gui/grid/celledi.h"
#include "gui/grid/tekst.h"

namespace velmor {

std::string TCellEdi::oczka_to_txt() {
  return velmor::oczka_to_txt(zaznaczenie_, SchowekExcelStyl, [this](int x, int y, std::string& t) {
    if (OnOczkoToClipboard) OnOczkoToClipboard(*this, x, y, t, nullptr);
  });
}

void TCellEdi::do_schowka() {
  if (SchowekFile) {
    KopiujRekordy(rekordy_, zaznaczenie_, [this](int x, int y, TStrumienRekordow& s) {
      std::string tekst;
      if (OnOczkoToClipboard) OnOczkoToClipboard(*this, x, y, tekst, &s);
    });
  }
  QGuiApplication::clipboard()->setText(QTekst(oczka_to_txt()));
}

void TCellEdi::ze_schowka() {
  if (!OnClipboardToOczko) return;
  if (OnWklejanie) {
    OnWklejanie([this] { wklej(); });
    return;
  }
  wklej();
}

void TCellEdi::wklej() {
  if (SchowekFile) {
    WklejRekordy(rekordy_, zaznaczenie_.Left - 1, zaznaczenie_.Top - 1,
                 [this](int x, int y, TStrumienRekordow& s) {
                   std::string tekst;
                   OnClipboardToOczko(*this, x, y, tekst, &s);
                 });
    viewport()->update();
    return;
  }
  const QString tekst = QGuiApplication::clipboard()->text();
  const int kx = Kurx(), ky = Kury();
  ParsujWklejenie(tekst.toStdString(), SchowekExcelStyl, Ilx(), Ily(),
                  [this, kx, ky](int i, int j, const std::string& komorka) {
                    std::string t = komorka;
                    OnClipboardToOczko(*this, kx + i, ky + j, t, nullptr);
                    OdswiezCell(kx + i, ky + j);
                  });
}

}  // namespace velmor
