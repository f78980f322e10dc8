#include "gui/planning/ffdkarty.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "core/archive/cp1250.h"
#include "core/planning/ogolne.h"
#include "gui/common/ramka.h"
#include "gui/grid/celledi.h"
#include "gui/planning/wspolne.h"

namespace velmor {
namespace {

const char* const kKolumny[] = {"Dzień", "Przerwa", "Rejon", "Minuty"};

}  // namespace

Tffdkarty::Tffdkarty(TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window),
      dok_(dokument),
      siatka_(new TCellEdi(this)),
      zegar_(new QTimer(this)) {
  QVBoxLayout* uklad = RamkaOkna(this, "ffdkarty", "Dyżury nauczycieli", 260);
  auto* panel = new QHBoxLayout;
  drukuj_ = PrzyciskPanelu(this, panel, "Drukuj");
  koniec_ = PrzyciskPanelu(this, panel, "Koniec");
  panel->addStretch(1);
  uklad->addLayout(panel);
  uklad->addWidget(siatka_, 1);
  siatka_->UstawIlx(4);
  siatka_->UstawSzerInfo(20);
  siatka_->UstawSzerIo(0, 200);
  siatka_->UstawSzerIo(1, 130);
  siatka_->UstawSzerIo(2, 160);
  siatka_->UstawSzerIo(3, 60);
  siatka_->OnTopInfo = [](TCellEdi&, int x, TTekstOczka& ato) {
    if (x >= 0 && x < 4) ato.ustaw_tekst(0, Utf8DoCp1250(kKolumny[x]));
  };
  siatka_->OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) { Oczko(x, y, ato); };
  SchowekPierwszaLinia(*siatka_);
  PodlaczDialogi(*siatka_, uslugi, {}, drukuj_, [] { return QString("Dyżury nauczycieli"); });
  connect(koniec_, &QPushButton::clicked, this, &QWidget::close);
  zegar_->setInterval(400);
  connect(zegar_, &QTimer::timeout, this, &Tffdkarty::Odswiez);
  resize(620, 480);
}

void Tffdkarty::Pokaz() {
  Odswiez();
  show();
  raise();
  activateWindow();
  zegar_->start();
}

void Tffdkarty::Odswiez() {
  if (dok_.Rewizja() == rewizja_) return;
  rewizja_ = dok_.Rewizja();
  const TObciazenia obc = TOgolne(dok_).policz_obciazenia();
  dyzury_ = obc.Dyzury;
  minuty_ = obc.Minuty;
  wiersze_.clear();
  const int rejonow = std::min(dok_.Dyzury.LiczbaRejonow(), dok_.Rejony.Liczba());
  for (int t = 0; t < dok_.Nauczyciele.Liczba(); ++t) {
    wiersze_.push_back({TWiersz::kNazwisko, t});
    for (int k = 0; k < dok_.Dyzury.LiczbaMomentow(); ++k)
      for (int r = 0; r < rejonow; ++r)
        if (dok_.Dyzury.Dyzurny(r, k) == t) wiersze_.push_back({TWiersz::kDyzur, t, k, r});
    wiersze_.push_back({TWiersz::kSuma, t});
    wiersze_.push_back({TWiersz::kOdstep, t});
  }
  siatka_->UstawIly(std::max(static_cast<int>(wiersze_.size()), 1));
  siatka_->OdswiezAll();
}

void Tffdkarty::Oczko(int x, int y, TTekstOczka& ato) const {
  if (y < 0 || y >= static_cast<int>(wiersze_.size())) return;
  const TWiersz& w = wiersze_[static_cast<size_t>(y)];
  const auto t = static_cast<size_t>(w.Nauczyciel);
  switch (w.Rodzaj) {
    case TWiersz::kNazwisko:
      if (x == 0) ato.ustaw_tekst(0, dok_.Nauczyciele[w.Nauczyciel].NazwaNauczyciela());
      ato.ustaw_kolor(dok_.Nauczyciele[w.Nauczyciel].Kolor);
      break;
    case TWiersz::kDyzur: {
      const bool jest = w.Moment < dok_.Momenty.Liczba();
      if (x == 0) ato.ustaw_tekst(0, TDni::NazwaDnia(dok_.Dni.DzienILekcja(w.Moment).first, 0));
      if (x == 1 && jest) ato.ustaw_tekst(0, dok_.Momenty[w.Moment].Nazwa);
      if (x == 2) ato.ustaw_tekst(0, dok_.Rejony[w.Rejon].Nazwa);
      if (x == 3 && jest) ato.ustaw_tekst(0, std::to_string(dok_.Momenty[w.Moment].Minuty));
      break;
    }
    case TWiersz::kSuma:
      if (x == 0)
        ato.ustaw_tekst(0, Utf8DoCp1250("Razem: " + std::to_string(dyzury_[t]) + " dyżurów"));
      if (x == 3) ato.ustaw_tekst(0, std::to_string(minuty_[t]));
      break;
    case TWiersz::kOdstep: break;
  }
}

void Tffdkarty::hideEvent(QHideEvent* e) {
  zegar_->stop();
  QWidget::hideEvent(e);
}

void Tffdkarty::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(e);
}

}  // namespace velmor
