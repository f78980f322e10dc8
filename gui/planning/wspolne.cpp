#include "gui/planning/wspolne.h"

#include <QBoxLayout>
#include <QPushButton>

#include "core/archive/cp1250.h"
#include "gui/grid/celledi.h"
#include "gui/grid/grafoczka.h"
#include "gui/grid/tekst.h"

namespace velmor {

QPushButton* PrzyciskPanelu(QWidget* rodzic, QBoxLayout* uklad, const char* podpowiedz) {
  auto* b = new QPushButton(QString::fromUtf8(podpowiedz), rodzic);
  b->setToolTip(b->text());
  b->setFocusPolicy(Qt::NoFocus);
  uklad->addWidget(b);
  return b;
}

std::string PierwszaLinia(const std::string& tekst) {
  return tekst.substr(0, tekst.find_first_of("\r\n"));
}

void SchowekPierwszaLinia(TCellEdi& siatka) {
  siatka.OnOczkoToClipboard = [](TCellEdi& s, int x, int y, std::string& txt, TStrumienRekordow*) {
    TTekstOczka ato;
    if (x < 0 && y < 0) {
      txt.clear();
      return;
    }
    const auto& opis = y < 0 ? s.OnTopInfo : s.OnLeftInfo;
    if (x < 0 || y < 0) {
      if (opis) opis(s, x < 0 ? y : x, ato);
    } else if (s.OnOczko) {
      s.OnOczko(s, x, y, ato);
    }
    txt = PierwszaLinia(ato.daj_tekst(0));
  };
}

void SchowekTekstOczka(TCellEdi& siatka) {
  siatka.OnOczkoToClipboard = [](TCellEdi& s, int x, int y, std::string& txt, TStrumienRekordow*) {
    TTekstOczka ato;
    if (s.OnOczko) s.OnOczko(s, x, y, ato);
    txt = ato.daj_tekst(0);
  };
}

void RysujZakaz(TCellEdi& siatka, QPainter& p, int x, int y, int x0, int y0) {
  TGrafOczkaRys(p, x0, y0, siatka.SzerIo(x), siatka.WysIo(y)).kresl_zakaz(1, 1, 6);
}

void UstawNaglowki(TCellEdi& siatka, std::span<const char* const> naglowki) {
  siatka.UstawIlx(static_cast<int>(naglowki.size()));
  siatka.OnTopInfo = [naglowki](TCellEdi&, int x, TTekstOczka& ato) {
    if (x >= 0 && static_cast<size_t>(x) < naglowki.size())
      ato.ustaw_tekst(0, Utf8DoCp1250(naglowki[static_cast<size_t>(x)]));
  };
}

}  // namespace velmor
