#include "gui/editors/ffdnaucz.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "core/document/dokument.h"
#include "core/planning/ogolne.h"
#include "gui/common/ramka.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/common/zmiany.h"
#include "gui/grid/celledi.h"
#include "gui/planning/ffddysp.h"
#include "gui/planning/towarzysze.h"

namespace velmor {
namespace {

constexpr int kKolumn = 4;
constexpr int kSzerokosci[kKolumn] = {150, 50, 50, 50};

QToolButton* Przycisk(QWidget* rodzic, QToolBar* pasek, const char* tekst) {
  auto* b = new QToolButton(rodzic);
  b->setText(QString::fromUtf8(tekst));
  b->setToolTip(b->text());
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::NoFocus);
  pasek->addWidget(b);
  return b;
}

bool Widoczny(const QWidget* okno) { return okno && okno->isVisible(); }

}  // namespace

Tffdnaucz::Tffdnaucz(const TDokument& dokument, TUslugiOkna& uslugi, TTowarzysze& towarzysze,
                     QWidget* rodzic)
    : QWidget(rodzic, Qt::Window),
      dok_(dokument),
      uslugi_(uslugi),
      towarzysze_(towarzysze),
      siatka_(new TCellEdi(this)) {
  QVBoxLayout* uklad = RamkaOkna(this, "ffdnaucz", "Limity dyżurów", 130);
  ZbudujPasek();
  uklad->addWidget(siatka_, 1);
  siatka_->UstawSzerInfo(30);
  siatka_->UstawWysInfo(28);
  siatka_->UstawIlx(kKolumn);
  for (int x = 0; x < kKolumn; ++x) siatka_->UstawSzerIo(x, kSzerokosci[x]);
  PodlaczSiatke();
  resize(380, 400);
  uslugi.OknaStopki().Zarejestruj(kOknoLimity, this, siatka_, [this] { PoOdczycie(); });
  connect(&uslugi.Zmiany(), &TZmianyDokumentu::Zmieniono, this, &Tffdnaucz::Odswiez);
}

void Tffdnaucz::ZbudujPasek() {
  QToolBar* pasek = PasekOkna(static_cast<QVBoxLayout*>(layout()));
  drukuj_ = Przycisk(this, pasek, "Drukuj");
  koniec_ = Przycisk(this, pasek, "Koniec");
  komunikat_ = new QLabel(pasek);
  komunikat_->setContentsMargins(8, 0, 0, 0);
  pasek->addWidget(komunikat_);
  connect(drukuj_, &QToolButton::clicked, this, [this] { uslugi_.Drukuj(*siatka_, "Orvel"); });
  connect(koniec_, &QToolButton::clicked, this, &QWidget::close);
}

// A stored look may bring another column count; the window has four.
void Tffdnaucz::PoOdczycie() { siatka_->UstawIlx(kKolumn); }

void Tffdnaucz::Odswiez() {
  if (!isVisible()) return;
  WczytajObciazenia();
  siatka_->OdswiezAll();
}

void Tffdnaucz::WczytajObciazenia() {
  const int liczba = dok_.Nauczyciele.Liczba();
  siatka_->UstawIly(std::max(liczba, 1));
  TObciazenia o = TOgolne(dok_).policz_obciazenia();
  dyzury_ = std::move(o.Dyzury);
  minuty_ = std::move(o.Minuty);
  if (kolejnosc_.size() != static_cast<size_t>(liczba)) {
    kolumnaSortowania_ = 0;
    kolejnosc_.resize(static_cast<size_t>(liczba));
    std::iota(kolejnosc_.begin(), kolejnosc_.end(), 0);
  }
}

void Tffdnaucz::Pokaz() {
  WczytajObciazenia();
  if (isVisible()) siatka_->OdswiezAll();
  else show();
  raise();
  activateWindow();
  siatka_->setFocus();
}

int Tffdnaucz::Nauczyciel(int y) const {
  if (y < 0 || y >= dok_.Nauczyciele.Liczba() || static_cast<size_t>(y) >= kolejnosc_.size())
    return -1;
  const int t = kolejnosc_[static_cast<size_t>(y)];
  return dok_.Nauczyciele.Istnieje(t) ? t : -1;
}

int Tffdnaucz::Dyzury(int t) const {
  return t >= 0 && static_cast<size_t>(t) < dyzury_.size() ? dyzury_[static_cast<size_t>(t)] : 0;
}

int Tffdnaucz::Minuty(int t) const {
  return t >= 0 && static_cast<size_t>(t) < minuty_.size() ? minuty_[static_cast<size_t>(t)] : 0;
}

int Tffdnaucz::Zakazy(int t) const { return dok_.Nauczyciele[t].Dyspozycja.LiczbaZakazow(); }

void Tffdnaucz::PoRuchuKursora() {
  const int t = Nauczyciel(siatka_->Kury());
  if (t < 0) return;
  if (Widoczny(towarzysze_.Mikroplan(kMikroplanGlowny))) {
    towarzysze_.PokazGdzieUczy(t, Tffddysp::kBezMomentu);
    siatka_->setFocus();
  }
  if (Widoczny(towarzysze_.Mikroplan(kMikroplanGdzie))) {
    towarzysze_.PokazGdzieDyzuruje(t, Tffddysp::kBezMomentu);
    siatka_->setFocus();
  }
}

void Tffdnaucz::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) close();
  else QWidget::keyPressEvent(e);
}

void Tffdnaucz::closeEvent(QCloseEvent* e) {
  if (QWidget* mikroplan = towarzysze_.Mikroplan(kMikroplanGlowny); Widoczny(mikroplan))
    mikroplan->close();
  QWidget::closeEvent(e);
}

}  // namespace velmor
