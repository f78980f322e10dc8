#include "gui/planning/ffdplann.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

#include "core/document/dokument.h"
#include "core/planning/ogolne.h"
#include "gui/common/pomoc.h"
#include "gui/common/ramka.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/common/zmiany.h"
#include "gui/grid/celledi.h"
#include "gui/planning/towarzysze.h"
#include "gui/planning/wspolne.h"

namespace velmor {

Tffdplann::Tffdplann(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic)
    : TRamkaTowarzysza("ffdplann", "Plan dyżurów nauczycieli", 210, rodzic), dok_(dokument) {
  drukuj_ = PrzyciskPanelu(this, panel_, "Drukuj");
  zamknij_ = PrzyciskPanelu(this, panel_, "Zamknij");
  panel_->addStretch(1);
  siatka_->UstawSzerInfo(80);

  siatka_->OnLeftInfo = [this](TCellEdi&, int m, TTekstOczka& ato) { Wiersz(m, ato); };
  siatka_->OnTopInfo = [this](TCellEdi&, int t, TTekstOczka& ato) { Naglowek(t, ato); };
  siatka_->OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) { Oczko(x, y, ato); };
  siatka_->OnGrafOczko = [this](TCellEdi& s, QPainter& p, int x, int y, int x0, int y0) {
    if (!Istnieje(x, y)) return;
    const TDysp& d = dok_.Nauczyciele[x].Dyspozycja;
    if (y < d.Liczba() && d[y].Zakaz) RysujZakaz(s, p, x, y, x0, y0);
  };
  siatka_->OnAkcja = [this](TCellEdi&, int x, int y, int&, int button, Qt::KeyboardModifiers) {
    Akcja(x, y, button);
  };
  SchowekPierwszaLinia(*siatka_);

  PodlaczDialogi(*siatka_, uslugi, {.Proporcjonalnie = true}, drukuj_);
  connect(zamknij_, &QPushButton::clicked, this, &QWidget::close);
  resize(560, 400);
  uslugi.OknaStopki().Zarejestruj(kOknoPlanNauczycieli, this, siatka_);
  connect(&uslugi.Zmiany(), &TZmianyDokumentu::Zmieniono, this, [this] {
    if (isVisible()) pokaz_plan(-1, -1);
  });
}

void Tffdplann::pokaz_plan(int nauczyciel, int moment) {
  siatka_->UstawIlx(std::max(dok_.Nauczyciele.Liczba(), 1));
  siatka_->UstawIly(std::max(dok_.Dni.LiczbaSlotow(), 1));
  if (dok_.Nauczyciele.Istnieje(nauczyciel)) siatka_->UstawKurx(nauczyciel);
  if (moment >= 0 && moment < dok_.Dni.LiczbaSlotow()) siatka_->UstawKury(moment);
  if (isVisible()) siatka_->OdswiezAll();
  else show();
  siatka_->setFocus();
}

bool Tffdplann::Istnieje(int x, int y) const {
  return dok_.Nauczyciele.Istnieje(x) && y >= 0 && y < dok_.Momenty.Liczba();
}

// Weekday cut to 3 letters and the moment's name.
void Tffdplann::Wiersz(int m, TTekstOczka& ato) const {
  if (m < 0 || m >= dok_.Momenty.Liczba()) return ato.wpisz_kropki(0);
  ato.ustaw_tekst(0, dok_.EtykietaMomentu(m));
  ato.ustaw_kolor(dok_.Momenty[m].Kolor);
}

void Tffdplann::Naglowek(int t, TTekstOczka& ato) const {
  if (!dok_.Nauczyciele.Istnieje(t)) return;
  ato.ustaw_tekst(0, dok_.Nauczyciele[t].Nazwisko);
  ato.ustaw_kolor(dok_.Nauczyciele[t].Kolor);
}

void Tffdplann::Oczko(int x, int y, TTekstOczka& ato) const {
  if (!Istnieje(x, y)) return ato.wpisz_kropki(0);
  const uint8_t r = TOgolne(dok_).rejon_dyzuru(x, y);
  if (dok_.Rejony.Istnieje(r)) {
    ato.ustaw_tekst(0, dok_.Rejony[r].Nazwa);
    ato.ustaw_kolor(dok_.Rejony[r].Kolor);
  } else {
    ato.wpisz_kropki(0);
  }
  const auto [dzien, lekcja] = dok_.Dni.DzienILekcja(y);
  if (lekcja == 0 && dzien != 0) {  // the first moment of a day
    ato.BokiRamki = kBokGora;
    ato.GruboscRamki = 2;
    ato.KolorRamki = 0x00FF0000;
  }
}

void Tffdplann::Akcja(int x, int y, int button) {
  if (button != 1 || !Istnieje(x, y) || !KursorPlanu) return;
  const uint8_t r = TOgolne(dok_).rejon_dyzuru(x, y);
  if (r != kBrak) KursorPlanu(r, y);
}

}  // namespace velmor
