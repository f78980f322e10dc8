#include "gui/planning/ffdstat.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "core/document/dokument.h"
#include "core/planning/ogolne.h"
#include "core/planning/rozpietosc.h"
#include "gui/common/pomoc.h"
#include "gui/common/ramka.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/common/zmiany.h"
#include "gui/grid/celledi.h"
#include "gui/grid/grafoczka.h"
#include "gui/planning/wspolne.h"

namespace velmor {

Tffdstat::Tffdstat(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic)
    : TRamkaTowarzysza("ffdstat", "Statystyka obciążeń nauczycieli", 230, rodzic), dok_(dokument) {
  drukuj_ = PrzyciskPanelu(this, panel_, "Drukuj");
  koniec_ = PrzyciskPanelu(this, panel_, "Koniec");
  podsumowanie_ = new QLabel(this);
  panel_->addWidget(podsumowanie_, 1);
  siatka_->UstawSzerInfo(40);
  siatka_->UstawDefaultSzerIo(80);
  siatka_->UstawIly(2);
  siatka_->UstawWysIo(0, 14);
  siatka_->UstawWysIo(1, 100);

  siatka_->OnLeftInfo = [](TCellEdi&, int w, TTekstOczka& ato) {
    ato.ustaw_tekst(0, w == 0 ? "Ile?" : " ");
  };
  siatka_->OnTopInfo = [this](TCellEdi&, int t, TTekstOczka& ato) { Naglowek(t, ato); };
  siatka_->OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) { Oczko(x, y, ato); };
  siatka_->OnGrafOczko = [this](TCellEdi&, QPainter& p, int x, int y, int x0, int y0) {
    if (y == 1) Slupki(p, x, x0, y0);
  };
  SchowekPierwszaLinia(*siatka_);

  PodlaczDialogi(*siatka_, uslugi, {.Proporcjonalnie = true}, drukuj_);
  connect(koniec_, &QPushButton::clicked, this, &QWidget::close);
  resize(560, 220);
  uslugi.OknaStopki().Zarejestruj(kOknoStatystyka, this, siatka_);
  connect(&uslugi.Zmiany(), &TZmianyDokumentu::Zmieniono, this, [this] {
    if (isVisible()) pokaz_statystyke(-1);
  });
}

void Tffdstat::pokaz_statystyke(int nauczyciel) {
  siatka_->UstawIlx(std::max(dok_.Nauczyciele.Liczba(), 1));
  if (dok_.Nauczyciele.Istnieje(nauczyciel)) siatka_->UstawKurx(nauczyciel);
  TObciazenia o = TOgolne(dok_).policz_obciazenia();
  dyzury_ = std::move(o.Dyzury);
  minuty_ = std::move(o.Minuty);
  podsumowanie_->setText(QString::fromStdString(OpisRozpietosci(Rozpietosc(dok_))));
  if (isVisible()) siatka_->OdswiezAll();
  else show();
  siatka_->setFocus();
}

void Tffdstat::Naglowek(int t, TTekstOczka& ato) const {
  if (!dok_.Nauczyciele.Istnieje(t)) return;
  ato.ustaw_tekst(0, dok_.Nauczyciele[t].NazwaNauczyciela());
  ato.ustaw_kolor(dok_.Nauczyciele[t].Kolor);
}

void Tffdstat::Oczko(int x, int y, TTekstOczka& ato) const {
  if (!Policzony(x)) return ato.wpisz_kropki(0);
  const auto i = static_cast<size_t>(x);
  if (y == 0) ato.ustaw_tekst(0, QString::asprintf("%i, %i", dyzury_[i], minuty_[i]).toStdString());
}

// Duties in blue on the left half, minutes / 5 in green on the right.
void Tffdstat::Slupki(QPainter& p, int x, int x0, int y0) const {
  if (!Policzony(x)) return;
  const auto i = static_cast<size_t>(x);
  const int szer = siatka_->SzerIo(x), wys = siatka_->WysIo(1), pol = szer / 2;
  TGrafOczkaRys(p, x0, y0, pol, wys).kresl_slupki(dyzury_[i], 0x00FF0000);
  TGrafOczkaRys(p, x0 + pol, y0, szer - pol, wys).kresl_slupki(minuty_[i] / 5, 0x00008000);
}

}  // namespace velmor
