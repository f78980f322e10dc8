#include "gui/editors/ffdodaj.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <algorithm>

#include "core/archive/cp1250.h"
#include "core/document/dokument.h"
#include "gui/common/pomoc.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/grid/celledi.h"
#include "gui/grid/klawisze.h"
#include "gui/grid/tekst.h"

namespace velmor {
namespace {

constexpr uint32_t kZielony = 0x0000FF00;
constexpr uint32_t kBialy = 0x00FFFFFF;

bool ZaczynaSieOd(std::string_view tekst, std::string_view poczatek) {
  return poczatek.size() <= tekst.size() &&
         RowneBezWielkosciLiter(tekst.substr(0, poczatek.size()), poczatek);
}

QPushButton* Strzalka(const char* tekst, const char* podpowiedz, QWidget* rodzic) {
  auto* b = new QPushButton(tekst, rodzic);
  b->setToolTip(QString::fromUtf8(podpowiedz));
  b->setAutoDefault(false);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

}  // namespace

Tffdodaj::Tffdodaj(const TDokument& dokument, QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      dok_(dokument) {
  setObjectName("ffdodaj");
  setWindowTitle("Sale");
  UstawKontekstPomocy(this, 120);
  setModal(true);
  auto* pasek = new QToolBar(this);
  zamknij_ = new QPushButton("Zamknij", this);
  zamknij_->setFlat(true);
  zamknij_->setAutoDefault(false);
  zamknij_->setFocusPolicy(Qt::NoFocus);
  filtr_ = new QLabel("Filtr: ", this);
  pasek->addWidget(zamknij_);
  pasek->addWidget(filtr_);
  connect(zamknij_, &QPushButton::clicked, this, &QDialog::accept);

  wybrane_ = new TCellEdi(this);
  wszystkie_ = new TCellEdi(this);
  PodlaczSiatke(*wybrane_, "Wybrane", true);
  PodlaczSiatke(*wszystkie_, "Wszystkie", false);
  dolacz_ = Strzalka("<<", "Dołącz do wybranych", this);
  wyklucz_ = Strzalka(">>", "Wyklucz z wybranych", this);
  connect(dolacz_, &QPushButton::clicked, this, &Tffdodaj::Dolacz);
  connect(wyklucz_, &QPushButton::clicked, this, &Tffdodaj::Wyklucz);

  auto* srodek = new QVBoxLayout;
  srodek->addStretch(1);
  srodek->addWidget(dolacz_);
  srodek->addWidget(wyklucz_);
  srodek->addStretch(1);
  auto* siatki = new QHBoxLayout;
  siatki->addWidget(wybrane_, 1);
  siatki->addLayout(srodek);
  siatki->addWidget(wszystkie_, 1);
  auto* uklad = new QVBoxLayout(this);
  uklad->addWidget(pasek);
  uklad->addLayout(siatki, 1);
  resize(420, 360);
}

void Tffdodaj::PodlaczSiatke(TCellEdi& s, const char* naglowek, bool lewa) {
  s.UstawIlx(1);
  s.UstawSzerInfo(30);
  s.UstawSzerIo(0, 120);
  s.installEventFilter(this);
  s.OnTopInfo = [naglowek](TCellEdi&, int, TTekstOczka& ato) { ato.ustaw_tekst(0, naglowek); };
  s.OnOczko = [this, lewa](TCellEdi&, int, int y, TTekstOczka& ato) {
    const uint8_t sala = Sala(lewa, y);
    if (!dok_.Sale.Istnieje(sala)) return ato.wpisz_kropki(0);
    ato.ustaw_tekst(0, dok_.Sale[sala].Nazwa);
    ato.ustaw_kolor(lewa ? kZielony : kBialy);
  };
  s.OnAkcja = [this, lewa](TCellEdi&, int, int, int& klawisz, int button, Qt::KeyboardModifiers) {
    if (button != 1 || klawisz != 0) return;
    if (lewa) Wyklucz();
    else Dolacz();
  };
}

int Tffdodaj::LiczbaWybranych() const { return wybraneSale_ ? wybraneSale_->Liczba() : 0; }

// The room shown in row y; kBrak past the entries.
uint8_t Tffdodaj::Sala(bool lewa, int y) const {
  if (y < 0) return kBrak;
  if (lewa) return y < LiczbaWybranych() ? (*wybraneSale_)[y] : kBrak;
  return static_cast<size_t>(y) < widoczne_.size() ? widoczne_[static_cast<size_t>(y)] : kBrak;
}

bool Tffdodaj::Wybierz(TWektor<uint8_t>& wybraneSale) {
  tekstFiltru_.clear();
  setWindowTitle("Sale");
  wybraneSale_ = &wybraneSale;
  wybrane_->UstawKursor(0, 0);
  wszystkie_->UstawKursor(0, 0);
  Przebuduj();
  anulowano_ = false;
  wybrane_->setFocus();
  exec();
  wybraneSale_ = nullptr;
  return !anulowano_;
}

void Tffdodaj::Przebuduj() {
  pozostale_.clear();
  for (int i = 0; i < dok_.Sale.Liczba(); ++i) pozostale_.push_back(static_cast<uint8_t>(i));
  for (int i = 0; i < LiczbaWybranych(); ++i) {
    const auto ostatni = std::find(pozostale_.rbegin(), pozostale_.rend(), (*wybraneSale_)[i]);
    if (ostatni != pozostale_.rend()) pozostale_.erase(std::next(ostatni).base());
  }
  widoczne_.clear();
  for (uint8_t sala : pozostale_)
    if (ZaczynaSieOd(dok_.Sale[sala].Nazwa, tekstFiltru_)) widoczne_.push_back(sala);
  wybrane_->UstawIly(std::max(LiczbaWybranych(), 1));
  wszystkie_->UstawIly(std::max(static_cast<int>(widoczne_.size()), 1));
  wybrane_->OdswiezAll();
  wszystkie_->OdswiezAll();
  filtr_->setText("Filtr: " + QTekst(tekstFiltru_));
}

void Tffdodaj::Dolacz() {
  const int y = wszystkie_->Kury();
  if (wybraneSale_ && y >= 0 && static_cast<size_t>(y) < widoczne_.size()) {
    const bool pusta = wybraneSale_->Liczba() == 0;
    wybraneSale_->WstawW(pusta ? 0 : wybrane_->Kury() + 1, widoczne_[static_cast<size_t>(y)]);
    if (wybraneSale_->Liczba() > 1) {
      wybrane_->UstawIly(wybraneSale_->Liczba());
      wybrane_->UstawKury(wybrane_->Kury() + 1);
    }
  }
  Przebuduj();
  wybrane_->setFocus();
}

void Tffdodaj::Wyklucz() {
  if (LiczbaWybranych() > 0) {
    wybraneSale_->UsunZ(wybrane_->Kury());
    if (wybraneSale_->Liczba() > 0) wybrane_->UstawIly(wybraneSale_->Liczba());
  }
  Przebuduj();
  wybrane_->setFocus();
}

// Every key comes here before the grids: the filter, Enter and Esc.
bool Tffdodaj::Pisz(const QKeyEvent& e) {
  switch (KodKlawisza(e)) {
    case VK_RETURN: accept(); return true;
    case VK_ESCAPE:
      anulowano_ = true;
      QDialog::reject();
      return true;
    case VK_BACK:
      if (!tekstFiltru_.empty()) tekstFiltru_.pop_back();
      break;
    case VK_DELETE: tekstFiltru_.clear(); break;
    default: {
      const int znak = ZnakKlawisza(e);
      if (znak < 32) return false;
      if (znak == '.' || znak == '~') tekstFiltru_.clear();
      else if (tekstFiltru_.size() < kMaksFiltr) tekstFiltru_ += static_cast<char>(znak);
    }
  }
  Przebuduj();
  return true;
}

bool Tffdodaj::eventFilter(QObject* obiekt, QEvent* e) {
  if (e->type() == QEvent::KeyPress && Pisz(*static_cast<QKeyEvent*>(e))) return true;
  return QDialog::eventFilter(obiekt, e);
}

void Tffdodaj::keyPressEvent(QKeyEvent* e) {
  if (!Pisz(*e)) QDialog::keyPressEvent(e);
}

}  // namespace velmor
