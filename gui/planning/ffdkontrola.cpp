#include "gui/planning/ffdkontrola.h"

#include <QCoreApplication>
#include <QSettings>

#include "core/archive/cp1250.h"
#include "core/document/dokument.h"
#include "gui/common/miejsce_ustawien.h"
#include "gui/grid/celledi.h"
#include "gui/planning/wspolne.h"

namespace velmor {
namespace {

constexpr const char* kGrupa = "KontrolaPlanu";

const char* const kKolumny[] = {"Moment", "Rejon", "Nauczyciel", "Uwaga"};

}  // namespace

Tffdkontrola::Tffdkontrola(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic)
    : TRamkaRaportu(dokument, uslugi, "ffdkontrola", "Kontrola planu", 250, rodzic) {
  UstawNaglowki(*siatka_, kKolumny);
  siatka_->UstawSzerInfo(36);
  for (int x : {0, 1, 2}) siatka_->UstawSzerIo(x, 130);
  siatka_->UstawSzerIo(3, 520);
  siatka_->OnLeftInfo = [](TCellEdi&, int y, TTekstOczka& ato) {
    ato.ustaw_tekst(0, std::to_string(y + 1));
  };
  siatka_->OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) { Oczko(x, y, ato); };
  // A click on a row, or the cursor moved to it, shows its cell in the plan.
  siatka_->OnAkcja = [this](TCellEdi&, int, int y, int&, int button, Qt::KeyboardModifiers) {
    if (button != 0) PokazKomorke(y);
  };
  siatka_->OnZmianaKomorki = [this](TCellEdi& s, int, int) { PokazKomorke(s.Kury()); };
  resize(860, 360);
  CzytajUstawienia();
}

int Tffdkontrola::Przelicz() {
  uwagi_ = KontrolaPlanu(dok_);
  return static_cast<int>(uwagi_.size());
}

void Tffdkontrola::PokazKomorke(int y) {
  if (y < 0 || y >= static_cast<int>(uwagi_.size()) || !KursorPlanu) return;
  const TUwaga& u = uwagi_[static_cast<size_t>(y)];
  if (u.Rejon >= 0 && u.Moment >= 0) KursorPlanu(u.Rejon, u.Moment);
}

void Tffdkontrola::Oczko(int x, int y, TTekstOczka& ato) const {
  if (y < 0 || y >= static_cast<int>(uwagi_.size())) return;
  const TUwaga& u = uwagi_[static_cast<size_t>(y)];
  switch (x) {
    case 0:
      if (u.Moment >= 0 && u.Moment < dok_.Momenty.Liczba())
        ato.ustaw_tekst(0, dok_.EtykietaMomentu(u.Moment));
      break;
    case 1:
      if (dok_.Rejony.Istnieje(u.Rejon)) ato.ustaw_tekst(0, dok_.Rejony[u.Rejon].Nazwa);
      break;
    case 2:
      if (dok_.Nauczyciele.Istnieje(u.Nauczyciel))
        ato.ustaw_tekst(0, dok_.Nauczyciele[u.Nauczyciel].NazwaNauczyciela());
      break;
    default: ato.ustaw_tekst(0, Utf8DoCp1250(u.Tekst));
  }
  if (!JestProblemem(u)) ato.ustaw_kolor(0x00E0FFE0);
}

void Tffdkontrola::hideEvent(QHideEvent* e) {
  ZapiszUstawienia();
  TRamkaRaportu::hideEvent(e);
}

// The place and the columns' widths and font.
void Tffdkontrola::CzytajUstawienia() {
  CzytajMiejsce(*this, kGrupa);
  QSettings u("Velmor", QCoreApplication::applicationName());
  u.beginGroup(kGrupa);
  const QVariantList szerokosci = u.value("szerokosci").toList();
  for (int x = 0; x < std::min(static_cast<int>(szerokosci.size()), 4); ++x)
    siatka_->UstawSzerIo(x, std::clamp(szerokosci[x].toInt(), 0, 4000));
  if (u.contains("czcionka")) {
    QFont f;
    if (f.fromString(u.value("czcionka").toString()))
      siatka_->UstawFont(TCellEdi::ZQFont(f, siatka_->Font().Kolor, siatka_->Font().ZestawZnakow));
  }
}

void Tffdkontrola::ZapiszUstawienia() const {
  ZapiszMiejsce(*this, kGrupa);
  QSettings u("Velmor", QCoreApplication::applicationName());
  u.beginGroup(kGrupa);
  QVariantList szerokosci;
  for (int x = 0; x < 4; ++x) szerokosci << siatka_->SzerIo(x);
  u.setValue("szerokosci", szerokosci);
  u.setValue("czcionka", TCellEdi::QCzcionka(siatka_->Font()).toString());
}

}  // namespace velmor
