#include "gui/planning/ffdksiega.h"

#include "core/document/dokument.h"
#include "gui/grid/celledi.h"
#include "gui/planning/wspolne.h"

namespace velmor {
namespace {

const char* const kKolumny[] = {"Nauczyciel", "W planie", "Za innych", "Zastąpione", "Odwołane"};

}  // namespace

Tffdksiega::Tffdksiega(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic)
    : TRamkaRaportu(dokument, uslugi, "ffdksiega", "Zastępstwa w semestrze", 270, rodzic) {
  UstawNaglowki(*siatka_, kKolumny);
  siatka_->UstawSzerInfo(36);
  siatka_->UstawSzerIo(0, 200);
  for (int x = 1; x < 5; ++x) siatka_->UstawSzerIo(x, 90);
  siatka_->OnLeftInfo = [](TCellEdi&, int y, TTekstOczka& ato) {
    ato.ustaw_tekst(0, std::to_string(y + 1));
  };
  siatka_->OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) { Oczko(x, y, ato); };
  resize(560, 420);
}

int Tffdksiega::Przelicz() {
  ksiega_ = KsiegaZastepstw(dok_);
  return static_cast<int>(ksiega_.size());
}

void Tffdksiega::Oczko(int x, int y, TTekstOczka& ato) const {
  if (y < 0 || y >= static_cast<int>(ksiega_.size())) return;
  const TKsiega& k = ksiega_[static_cast<size_t>(y)];
  switch (x) {
    case 0: ato.ustaw_tekst(0, dok_.Nauczyciele[y].NazwaNauczyciela()); break;
    case 1: ato.ustaw_tekst(0, std::to_string(k.Plan)); break;
    case 2: ato.ustaw_tekst(0, std::to_string(k.Dane)); break;
    case 3: ato.ustaw_tekst(0, std::to_string(k.Otrzymane)); break;
    default: ato.ustaw_tekst(0, std::to_string(k.Odwolane));
  }
}

}  // namespace velmor
