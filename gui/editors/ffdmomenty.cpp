#include "gui/editors/ffdmomenty.h"

#include <QKeyEvent>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/document/dokument.h"
#include "gui/common/przyciski.h"
#include "gui/common/ramka.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/common/zmiany.h"
#include "gui/grid/celledi.h"
#include "gui/grid/kolor.h"

namespace velmor {
namespace {

constexpr int kKolumn = 3;
constexpr int kSzerNaglowka = 100;
constexpr int kSzerokosci[kKolumn] = {150, 80, 50};

}  // namespace

Tffdmomenty::Tffdmomenty(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window),
      dokument_(dokument),
      uslugi_(uslugi),
      siatka_(new TCellEdi(this)) {
  QVBoxLayout* uklad = RamkaOkna(this, "ffdmomenty", "Momenty dyżurowania", 110);
  ZbudujPrzyciski();
  QToolBar* pasek = PasekOkna(uklad, polecenia_);
  paleta_ = new TKolor(this);
  paleta_->setFixedSize(142, 24);
  paleta_->OnAkcja = [this](TKolor&, uint32_t kolor) { Koloruj(kolor); };
  pasek->addWidget(paleta_);
  uklad->addWidget(siatka_, 1);
  siatka_->UstawIlx(kKolumn);
  siatka_->UstawSzerInfo(kSzerNaglowka);
  for (int x = 0; x < kKolumn; ++x) siatka_->UstawSzerIo(x, kSzerokosci[x]);
  PodlaczSiatke();
  resize(420, 400);
  uslugi.OknaStopki().Zarejestruj(kOknoMomenty, this, siatka_,
                                  [this] { siatka_->UstawIlx(kKolumn); });
  connect(&uslugi.Zmiany(), &TZmianyDokumentu::Zmieniono, this, &Tffdmomenty::Odswiez);
}

void Tffdmomenty::ZbudujPrzyciski() {
  const TOpisPolecenia opis[kLiczbaPolecen] = {
      {QStyle::SP_DialogSaveButton, "Zapisz", [this] { uslugi_.Zapisz(); }},
      {QStyle::SP_FileDialogListView, "Jak w planie lekcji", [this] { JakWPlanieLekcji(); }},
      {QStyle::SP_DialogApplyButton, "Drukuj", [this] { uslugi_.Drukuj(*siatka_, "Orvel"); }},
      {QStyle::SP_DialogCloseButton, "Koniec", [this] { close(); }},
  };
  for (int i = 0; i < kLiczbaPolecen; ++i) polecenia_[i] = PrzyciskPolecenia(this, opis[i]);
}

void Tffdmomenty::Odswiez() {
  if (!isVisible()) return;
  siatka_->UstawIly(std::max(dokument_.Momenty.Liczba(), 1));
  siatka_->OdswiezAll();
}

void Tffdmomenty::Pokaz() {
  siatka_->UstawIly(std::max(dokument_.Momenty.Liczba(), 1));
  if (!isVisible()) show();
  siatka_->OdswiezAll();
  raise();
  activateWindow();
  siatka_->setFocus();
}

void Tffdmomenty::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) close();
  else QWidget::keyPressEvent(e);
}

}  // namespace velmor
