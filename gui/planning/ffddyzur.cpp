#include "gui/planning/ffddyzur.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QStatusBar>
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
#include "gui/planning/ffdwynikopt.h"
#include "gui/planning/ramki.h"
#include "gui/planning/towarzysze.h"

namespace velmor {
namespace {

constexpr int kSzerNaglowka = 80;

}  // namespace

Tffddyzur::Tffddyzur(const TDokument& dokument, TUslugiOkna& uslugi, TTowarzysze& towarzysze,
                     QWidget* rodzic)
    : QWidget(rodzic, Qt::Window),
      dokument_(dokument),
      uslugi_(uslugi),
      towarzysze_(towarzysze),
      siatka_(new TCellEdi(this)),
      wynikOpt_(new Tffdwynikopt(this)) {
  QVBoxLayout* uklad = RamkaOkna(this, "ffddyzur", "Plan dyżurów", 200);
  ZbudujPrzyciski();
  QToolBar* pasek = PasekOkna(uklad, polecenia_);
  automatycznie_ = new QCheckBox("Wpisuj automatycznie", this);
  automatycznie_->setToolTip(QString::fromUtf8("Pokazywać listę wyboru wariantu?"));
  automatycznie_->setFocusPolicy(Qt::NoFocus);
  pasek->addWidget(automatycznie_);
  connect(automatycznie_, &QCheckBox::toggled, this, [this](bool ok) {
    TDokument::TZmiana zmiana = uslugi_.Zmien("Wpisuj automatycznie");
    zmiana.Modele().Stopka.WpisujAutomatycznie = ok;
  });
  uklad->addWidget(ZbudujTowarzyszy());
  uklad->addWidget(siatka_, 1);
  uklad->addWidget(new QStatusBar(this));
  siatka_->UstawSzerInfo(kSzerNaglowka);
  siatka_->installEventFilter(this);
  PodlaczSiatke();
  UstawKsztalt();
  resize(560, 400);
  uslugi.OknaStopki().Zarejestruj(kOknoPlan, this, siatka_, [this] { PoOdczycie(); });
  connect(&uslugi.Zmiany(), &TZmianyDokumentu::Zmieniono, this, [this](uint32_t czesci) {
    Odswiez();
    if (czesci & kZmianaCofnieta) PrzywrocWidok(dokument_.Historia.Widok());
  });
  wynikOpt_->PokazKomorke = [this](int r, int k) {
    UstawKursor(r, k);
    raise();
    activateWindow();
  };
}

TWidokPlanu Tffddyzur::Widok() const {
  const TZaznaczenie z = siatka_->Zaznaczenie();
  return TWidokPlanu{siatka_->Kurx(), siatka_->Kury(), z.Left, z.Top, z.Right, z.Bottom};
}

void Tffddyzur::UstawKursor(int rejon, int moment) {
  siatka_->UstawKursor(komorki_planu::X(rejon), komorki_planu::Y(moment));
}

// The cursor, then the selection, as a step began.
void Tffddyzur::PrzywrocWidok(const TWidokPlanu& w) {
  if (w.Kolumna < 0 || !isVisible()) return;
  siatka_->UstawKursor(w.Kolumna, w.Wiersz);
  siatka_->UstawZaznaczenie({w.Lewa, w.Gora, w.Prawa, w.Dol});
}

void Tffddyzur::ZbudujPrzyciski() {
  const TOpisPolecenia opis[kLiczbaPolecen] = {
      {QStyle::SP_DialogSaveButton, "Zapisz", [this] { uslugi_.Zapisz(); }},
      {QStyle::SP_FileDialogDetailedView, "Wpisz nieautomatycznie", [this] { WpiszRecznie(0); }},
      {QStyle::SP_TrashIcon, "Usuń", [this] { Usun(); }},
      {QStyle::SP_MediaPlay, "Wpisz automatycznie", [this] { WpiszAutomatycznie(); }},
      {QStyle::SP_MediaSeekForward, "Wpisz optymalnie", [this] { WpiszOptymalnie(); }},
      {QStyle::SP_BrowserStop, "Zakaz wpisu", [this] { ZakazWpisu(); }},
      {QStyle::SP_FileDialogInfoView, "Opcje",
       [this] {
         if (PokazOpcje) PokazOpcje();
       }},
      {QStyle::SP_FileDialogContentsView, "Kontrola planu",
       [this] {
         if (PokazKontrole) PokazKontrole();
       }},
      {QStyle::SP_DialogApplyButton, "Drukuj", [this] { uslugi_.Drukuj(*siatka_, "Orvel"); }},
      {QStyle::SP_DialogCloseButton, "Koniec", [this] { close(); }},
  };
  for (int i = 0; i < kLiczbaPolecen; ++i) polecenia_[i] = PrzyciskPolecenia(this, opis[i]);
}

QWidget* Tffddyzur::ZbudujTowarzyszy() {
  static const char* const kPodpowiedzi[kLiczbaTowarzyszy] = {
      "Gdzie dyżuruje?     1", "Gdzie uczy?      2", "Kto dyżuruje?    3",
      "Gdzie dyżurują wszyscy?    4", "Statystyka obciążeń dyżurami     5"};
  auto* pasek = new QWidget(this);
  auto* uklad = new QHBoxLayout(pasek);
  uklad->setContentsMargins(2, 0, 2, 0);
  uklad->setSpacing(1);
  for (int i = 0; i < kLiczbaTowarzyszy; ++i) {
    auto* b = new QToolButton(pasek);
    b->setText(QString::number(i + 1));
    b->setToolTip(QString::fromUtf8(kPodpowiedzi[i]));
    b->setCheckable(true);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::toggled, this, [this, i](bool w) { PrzelaczTowarzysza(i, w); });
    uklad->addWidget(b);
    przelaczniki_[i] = b;
  }
  uklad->addStretch();
  return pasek;
}

void Tffddyzur::PrzyjmijTowarzyszy() {
  for (int i = 0; i < kLiczbaTowarzyszy; ++i) {
    auto* okno = qobject_cast<TRamkaTowarzysza*>(OknoTowarzysza(i));
    if (!okno) continue;
    okno->setParent(this, okno->windowFlags());
    // Closed by itself, a companion releases its button; closed with the
    // editor, it comes back with it.
    connect(okno, &TRamkaTowarzysza::Ukryty, przelaczniki_[i], [this, b = przelaczniki_[i]] {
      if (!zamykanie_) b->setChecked(false);
    });
  }
}

void Tffddyzur::UstawKsztalt() {
  const int r = dokument_.Dyzury.LiczbaRejonow(), m = dokument_.Dyzury.LiczbaMomentow();
  siatka_->UstawIlx(komorki_planu::X(r));
  siatka_->UstawIly(komorki_planu::Y(m));
  siatka_->UstawFixedCols(r > 0 ? 2 : 1);
  siatka_->UstawFixedRows(m > 0 ? 2 : 1);
  for (TPolecenie p : {kRecznie, kUsun, kAutomatycznie, kOptymalnie, kZakaz})
    polecenia_[p]->setEnabled(r > 0 && m > 0);
  automatycznie_->setChecked(dokument_.Stopka.WpisujAutomatycznie);
}

// The stored look may bring another shape; the table decides it.
void Tffddyzur::PoOdczycie() { UstawKsztalt(); }

void Tffddyzur::Odswiez() {
  if (!isVisible()) return;
  UstawKsztalt();
  siatka_->OdswiezAll();
  OdswiezTowarzyszy();
}

void Tffddyzur::Pokaz() {
  UstawKsztalt();
  if (isVisible()) siatka_->OdswiezAll();
  else show();
  raise();
  activateWindow();
  siatka_->setFocus();
}

void Tffddyzur::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) close();
  else QWidget::keyPressEvent(e);
}

// Keys 1 to 4 toggle the first four companions before the grid sees them.
bool Tffddyzur::eventFilter(QObject* obiekt, QEvent* e) {
  if (obiekt == siatka_ && e->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(e);
    const int i = k->key() - Qt::Key_1;
    if (i >= 0 && i < kStatystyka && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      przelaczniki_[i]->toggle();
      return true;
    }
  }
  return QWidget::eventFilter(obiekt, e);
}

// "Gdzie uczy?" stays: the limits editor shares it.
void Tffddyzur::closeEvent(QCloseEvent* e) {
  zamykanie_ = true;
  for (int i : {kGdzieDyzuruje, kKtoDyzuruje, kPlanNauczycieli, kStatystyka})
    if (QWidget* okno = OknoTowarzysza(i); okno && okno->isVisible()) okno->close();
  zamykanie_ = false;
  QWidget::closeEvent(e);
}

}  // namespace velmor
