#include "gui/editors/ffdnowy.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/model/wspolne.h"
#include "gui/common/fdlosa.h"
#include "gui/common/pomoc.h"

namespace velmor {
namespace {

QLabel* Etykieta(const char* tekst, QWidget* rodzic) {
  auto* etykieta = new QLabel(QString::fromUtf8(tekst), rodzic);
  etykieta->setWordWrap(true);
  return etykieta;
}

QLineEdit* PoleNazwy(QWidget* rodzic) {
  auto* pole = new QLineEdit(rodzic);
  pole->setReadOnly(true);
  pole->setFocusPolicy(Qt::NoFocus);
  return pole;
}

// A button followed by the read-only field it fills.
QHBoxLayout* Wiersz(QPushButton* przycisk, QLineEdit* pole) {
  auto* wiersz = new QHBoxLayout;
  wiersz->addWidget(przycisk);
  wiersz->addWidget(pole, 1);
  return wiersz;
}

}  // namespace

Tffdnowy::Tffdnowy(TDokument& dokument, Tfdlosa& losa, std::function<bool()> zapytajOZapis,
                   QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      dokument_(dokument),
      losa_(losa),
      zapytajOZapis_(std::move(zapytajOZapis)) {
  setObjectName("ffdnowy");
  setWindowTitle("Nowy plik planu dyżurów");
  UstawKontekstPomocy(this, 50);
  setModal(true);

  auto* grupa1 = new QGroupBox("1", this);
  wskaz_ = new QPushButton("Wskaż", grupa1);
  plikLekcji_ = PoleNazwy(grupa1);
  auto* uklad1 = new QVBoxLayout(grupa1);
  uklad1->addWidget(
      Etykieta("Najpierw wskaż plik planu lekcji, w oparciu o który będzie układany plan dyżurów. "
               "Z pliku planu lekcji zostaną odczytane niektóre informacje ...",
               grupa1));
  uklad1->addLayout(Wiersz(wskaz_, plikLekcji_));

  auto* grupa2 = new QGroupBox("2", this);
  etykieta2_ = Etykieta("W tabelach Velmor masz dane. Czy próbować ocalić:", grupa2);
  auto* uklad2 = new QVBoxLayout(grupa2);
  uklad2->addWidget(etykieta2_);
  const char* pola[] = {"Brzmienia momentów dyżurowania?", "Listę rejonów?", "Limity dyżurowania?",
                        "Plan dyżurów?"};
  for (size_t i = 0; i < pola_.size(); ++i) {
    pola_[i] = new QCheckBox(QString::fromUtf8(pola[i]), grupa2);
    uklad2->addWidget(pola_[i]);
  }
  dopasowanie_ = Etykieta("", grupa2);
  uklad2->addWidget(dopasowanie_);

  auto* grupa3 = new QGroupBox("3", this);
  zapisz_ = new QPushButton("Zapisz", grupa3);
  plikPlanu_ = PoleNazwy(grupa3);
  auto* uklad3 = new QVBoxLayout(grupa3);
  uklad3->addWidget(
      Etykieta("Teraz po raz pierwszy zapisz nowo utworzony plik planu dyżurów ...", grupa3));
  uklad3->addLayout(Wiersz(zapisz_, plikPlanu_));

  zamknij_ = new QPushButton("Zamknij", this);
  auto* dol = new QHBoxLayout;
  dol->addStretch();
  dol->addWidget(zamknij_);

  auto* uklad = new QVBoxLayout(this);
  uklad->addWidget(grupa1);
  uklad->addWidget(grupa2);
  uklad->addWidget(grupa3);
  uklad->addLayout(dol);
  uklad->setSizeConstraint(QLayout::SetFixedSize);
  for (QGroupBox* grupa : {grupa1, grupa2, grupa3}) grupa->setMinimumWidth(420);

  for (QPushButton* p : {wskaz_, zapisz_, zamknij_}) p->setAutoDefault(false);
  connect(wskaz_, &QPushButton::clicked, this, &Tffdnowy::WskazClick);
  connect(zapisz_, &QPushButton::clicked, this, &Tffdnowy::ZapiszClick);
  connect(zamknij_, &QPushButton::clicked, this, &Tffdnowy::reject);
}

bool Tffdnowy::Uruchom() {
  zapytajOZapis_();
  wynik_ = bladOdczytu_ = zapisany_ = false;
  for (QCheckBox* pole : pola_) {
    pole->setChecked(false);
    pole->setEnabled(false);
  }
  etykieta2_->setEnabled(false);
  dopasowanie_->clear();
  zapisz_->setEnabled(false);
  exec();
  return wynik_;
}

void Tffdnowy::reject() {
  // A timetable taken in and not saved still leaves a whole plan behind, one
  // that a later save writes as it will read back.
  if (wynik_ && !zapisany_) Przebuduj();
  QDialog::reject();
}

void Tffdnowy::WskazClick() {
  const TKsztaltPlanu przed = TKsztaltPlanu::Z(dokument_);
  if (!losa_.WybierzIOtworz(kRodzajPlanLekcji)) {
    bladOdczytu_ = !wynik_;
    return;
  }
  poprzedni_ = przed;
  wczytane_ = dokument_;
  bladOdczytu_ = zapisany_ = false;
  const TPolaPrzeniesienia pola = TPolaPrzeniesienia::Z(przed, dokument_);
  for (size_t i = 0; i < pola_.size(); ++i) {
    pola_[i]->setEnabled(pola.Dostepne[i]);
    pola_[i]->setChecked(pola.Zaznaczone[i]);
  }
  etykieta2_->setEnabled(pola.JakiesDostepne());
  // What the previous plan's teachers and rooms became, by name.
  dopasowanie_->setText(pola.JakiesDostepne()
                            ? QString::fromStdString(TDopasowaniePlanu::Z(przed, dokument_).Opis())
                            : QString());
  zapisz_->setEnabled(true);
  plikLekcji_->setText(losa_.DialogPlanuLekcji.Nazwa);
  wynik_ = true;
}

void Tffdnowy::Przebuduj() {
  std::array<bool, 4> przenies{};
  for (size_t i = 0; i < pola_.size(); ++i) przenies[i] = pola_[i]->isChecked();
  // Every rebuild starts from the plan as read, so a second press after a
  // failed save does not map the rebuilt lists a second time.
  static_cast<TModele&>(dokument_) = wczytane_;
  PrzebudujPlan(dokument_, poprzedni_, przenies);
  // Not on disk until a save succeeds.
  dokument_.NowyPlan();
}

void Tffdnowy::ZapiszClick() {
  Przebuduj();
  if (!losa_.ZapiszJako()) return;
  plikPlanu_->setText(losa_.DialogZapisu.Nazwa);
  zapisany_ = true;
  wynik_ = true;
}

}  // namespace velmor
