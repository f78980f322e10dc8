#include "gui/planning/ffdlista.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/archive/cp1250.h"
#include "core/document/dokument.h"
#include "core/planning/warianty.h"
#include "gui/common/pomoc.h"
#include "gui/common/ramka.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/grid/celledi.h"
#include "gui/grid/klawisze.h"
#include "gui/grid/tekst.h"

namespace velmor {
namespace {

constexpr size_t kMaksFiltr = 3;

// A navy, centred count or filter in a frame.
QLabel* Licznik(const QString& podpowiedz, QWidget* rodzic) {
  auto* e = new QLabel(rodzic);
  e->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  e->setAlignment(Qt::AlignCenter);
  e->setToolTip(podpowiedz);
  e->setMinimumWidth(40);
  QFont f("Arial");
  f.setPixelSize(16);
  e->setFont(f);
  QPalette p = e->palette();
  p.setColor(QPalette::WindowText, QColor(0, 0, 128));
  e->setPalette(p);
  return e;
}

bool ZaczynaSieOd(const std::string& tekst, const std::string& poczatek) {
  return poczatek.size() <= tekst.size() &&
         RowneBezWielkosciLiter(std::string_view(tekst).substr(0, poczatek.size()), poczatek);
}

}  // namespace

Tffdlista::Tffdlista(const TModele& modele, TUslugiOkna& uslugi, QWidget* rodzic)
    : TRamkaListy("ffdlista", " Wybierz", "Zamknij", uslugi, rodzic), modele_(modele) {
  ile_ = Licznik(QString::fromUtf8("Ile pozycji?"), this);
  filtr_ = Licznik("Filtr", this);
  panel_->addWidget(ile_);
  panel_->addWidget(filtr_);
  siatka_->UstawIlx(1);
  siatka_->UstawSzerIo(0, 180);
  siatka_->ZakresZaznaczania = false;
  PodlaczSiatke();
  PodlaczDialogi(*siatka_, uslugi, {});
  resize(320, 400);
  uslugi.OknaStopki().Zarejestruj(kOknoWybor, this, siatka_);
}

void Tffdlista::PodlaczSiatke() {
  TCellEdi& s = *siatka_;
  s.OnTopInfo = [](TCellEdi&, int, TTekstOczka& ato) { ato.ustaw_tekst(0, "Nauczyciele"); };
  s.OnOczko = [this](TCellEdi&, int, int y, TTekstOczka& ato) {
    if (y >= 0 && y < static_cast<int>(widoczne_.size()))
      ato.ustaw_tekst(0, Etykieta(pozycje_[static_cast<size_t>(widoczne_[y])]));
    else ato.wpisz_kropki(0);
  };
  s.OnAkcjaEdit = [this](TCellEdi&, int, int, int& klawisz, int button) {
    if (button == 1 && klawisz == 0) accept();
    else if (button == 0) Pisz(klawisz);
  };
  s.OnZmianaKomorki = [this](TCellEdi& g, int, int staryY) {
    const int y = g.Kury();
    if (y == staryY || y < 0 || y >= static_cast<int>(widoczne_.size())) return;
    if (Towarzysze) Towarzysze(pozycje_[static_cast<size_t>(widoczne_[y])].indeks, moment_);
    if (isVisible()) g.setFocus();
  };
}

// Surname first, so that the filter matches its beginning.
std::string Tffdlista::Etykieta(const TPozycjaListy& p) const {
  if (p.indeks >= modele_.Nauczyciele.Liczba()) return {};
  const TNaucz& n = modele_.Nauczyciele[p.indeks];
  return n.Nazwisko + " " + n.Imie;
}

void Tffdlista::Przefiltruj() {
  widoczne_.clear();
  for (size_t i = 0; i < pozycje_.size(); ++i)
    if (ZaczynaSieOd(Etykieta(pozycje_[i]), tekst_)) widoczne_.push_back(static_cast<int>(i));
  ile_->setText(QString::asprintf("%i", static_cast<int>(widoczne_.size())));
  filtr_->setText(QTekst(tekst_));
}

void Tffdlista::Odswiez() {
  Przefiltruj();
  siatka_->UstawIly(std::max(static_cast<int>(widoczne_.size()), 1));
  siatka_->OdswiezAll();
}

void Tffdlista::Pisz(int& znak) {
  switch (znak) {
    case VK_BACK:
      if (!tekst_.empty()) tekst_.pop_back();
      break;
    case VK_ESCAPE: znak = 0; return reject();
    case VK_RETURN: znak = 0; return accept();
    case '.':
    case '~': tekst_.clear(); break;
    default:
      if (tekst_.size() < kMaksFiltr) tekst_ += static_cast<char>(znak);
  }
  znak = 0;
  Odswiez();
}

std::vector<TPozycjaListy> Tffdlista::Widoczne() const {
  std::vector<TPozycjaListy> wynik;
  for (int i : widoczne_) wynik.push_back(pozycje_[static_cast<size_t>(i)]);
  return wynik;
}

void Tffdlista::otworz_liste(int, int pierwszaLitera) {
  tekst_.clear();
  if (pierwszaLitera != 0 && pierwszaLitera != VK_RETURN)
    tekst_ = std::string(1, static_cast<char>(pierwszaLitera));
  pozycje_.clear();
  siatka_->setFocus();
}

void Tffdlista::dodaj_pozycje(int klucz, int wartosc, int indeks) {
  pozycje_.push_back({klucz, wartosc, static_cast<uint8_t>(indeks)});
}

int Tffdlista::wybierz_pozycje(int moment) {
  if (pozycje_.empty()) return kBezWyboru;
  moment_ = moment >= 0 && moment < modele_.Dni.LiczbaSlotow() ? moment : kBrakSlotu;
  std::stable_sort(
      pozycje_.begin(), pozycje_.end(),
      [](const TPozycjaListy& a, const TPozycjaListy& b) { return a.klucz < b.klucz; });
  Przefiltruj();
  if (widoczne_.empty()) return kBezWyboru;
  siatka_->UstawIlx(1);  // settings read from a file may bring another count
  siatka_->UstawIly(static_cast<int>(widoczne_.size()));
  siatka_->UstawKursor(0, 0);
  anulowano_ = false;
  exec();
  const int y = siatka_->Kury();
  if (anulowano_ || y < 0 || y >= static_cast<int>(widoczne_.size())) return kBezWyboru;
  return pozycje_[static_cast<size_t>(widoczne_[y])].wartosc;
}

int Tffdlista::Wybierz(const std::vector<TPozycjaListy>& pozycje, int pierwszaLitera, int moment) {
  otworz_liste(1, pierwszaLitera);
  for (const TPozycjaListy& p : pozycje) dodaj_pozycje(p.klucz, p.wartosc, p.indeks);
  return wybierz_pozycje(moment);
}

}  // namespace velmor
