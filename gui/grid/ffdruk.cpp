#include "gui/grid/ffdruk.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/grid/celledi.h"
#include "gui/grid/drukarki.h"
#include "gui/grid/klepsydra.h"
#include "gui/grid/tekst.h"

namespace velmor {
namespace {

constexpr int kPodgladX = 302, kPodgladY = 35, kPodgladBok = 400;
constexpr uint32_t kKolorArkusza = 0x00C88080;

class TPodglad : public QWidget {
 public:
  TPodglad(QWidget* rodzic, std::function<void(QPainter&)> rysuj)
      : QWidget(rodzic), rysuj_(std::move(rysuj)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    rysuj_(p);
  }

 private:
  std::function<void(QPainter&)> rysuj_;
};

QSpinBox* Pole(QWidget* rodzic, const char* nazwa, int min, int max, int krok, int wartosc) {
  auto* s = new QSpinBox(rodzic);
  s->setObjectName(nazwa);
  s->setRange(min, max);
  s->setSingleStep(krok);
  s->setValue(wartosc);
  return s;
}

QCheckBox* Pole(QWidget* rodzic, const char* nazwa, const char* tekst, bool zaznaczone) {
  auto* c = new QCheckBox(QString::fromUtf8(tekst), rodzic);
  c->setObjectName(nazwa);
  c->setChecked(zaznaczone);
  return c;
}

QPushButton* Przycisk(QWidget* rodzic, const char* nazwa, const char* tekst) {
  auto* b = new QPushButton(QString::fromUtf8(tekst), rodzic);
  b->setObjectName(nazwa);
  b->setAutoDefault(false);
  return b;
}

QLabel* Etykieta(QWidget* rodzic, const char* tekst, QWidget* pole) {
  auto* l = new QLabel(QString::fromUtf8(tekst), rodzic);
  l->setBuddy(pole);
  return l;
}

// Every pixel of the sheet that is not white, in the colour of earlier tables.
QImage SladArkusza(const QImage& arkusz) {
  QImage slad(arkusz.size(), QImage::Format_ARGB32);
  slad.fill(Qt::transparent);
  const QRgb kolor = QKolor(kKolorArkusza).rgb();
  for (int y = 0; y < arkusz.height(); ++y) {
    const auto* z = reinterpret_cast<const QRgb*>(arkusz.constScanLine(y));
    auto* do_ = reinterpret_cast<QRgb*>(slad.scanLine(y));
    for (int x = 0; x < arkusz.width(); ++x)
      if ((z[x] & 0x00FFFFFF) != 0x00FFFFFF) do_[x] = kolor;
  }
  return slad;
}

}  // namespace

Tffdruk::Tffdruk(QPrinter& drukarka, QWidget* rodzic)
    : QDialog(rodzic), PytajOPlik(PlikPdf), printer_(drukarka) {
  setObjectName("ffdruk");
  setWindowTitle("Orvel 05");
  Zbuduj();
}

Tffdruk::~Tffdruk() { Porzuc(); }

void Tffdruk::Zbuduj() {
  QWidget* lewy = ZbudujLewyPanel();
  lewy->adjustSize();
  przesuniecie_ = std::max(lewy->width() + 12 - kPodgladX, 0);
  const int przesuniecie = przesuniecie_;
  lewy->move(6, 6);
  obszar_ = new TPodglad(this, [this](QPainter& p) { RysujPodglad(p); });
  obszar_->setObjectName("podglad");
  obszar_->setGeometry(kPodgladX + przesuniecie, kPodgladY, kPodgladBok, kPodgladBok);
  wstecz_ = Przycisk(this, "wstecz", "<<");
  dalej_ = Przycisk(this, "dalej", "Strona 1    >>");
  wstecz_->setGeometry(kPodgladX + przesuniecie, 4, 50, 26);
  dalej_->setGeometry(kPodgladX + przesuniecie + 56, 4, 160, 26);
  connect(wstecz_, &QPushButton::clicked, this, [this] { Przewin(-1); });
  connect(dalej_, &QPushButton::clicked, this, [this] { Przewin(1); });

  const int wysokosc = std::max(kPodgladY + kPodgladBok, lewy->height() + 6) + 6;
  status_ = new QLabel(" ", this);
  status_->setObjectName("status");
  status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  const int szerokosc = kPodgladX + przesuniecie + kPodgladBok + 8;
  status_->setGeometry(0, wysokosc, szerokosc, status_->sizeHint().height() + 4);
  setFixedSize(szerokosc, wysokosc + status_->height());
  arkusz_ = QImage(kPodgladBok, kPodgladBok, QImage::Format_RGB32);
  arkusz_.fill(Qt::white);
}

QWidget* Tffdruk::ZbudujLewyPanel() {
  auto* panel = new QWidget(this);
  auto* uklad = new QVBoxLayout(panel);
  uklad->setContentsMargins(0, 0, 0, 0);
  tytul_ = new QLineEdit(panel);
  tytul_->setObjectName("tytul");
  uklad->addWidget(Etykieta(panel, "Tytuł", tytul_));
  uklad->addWidget(tytul_);

  auto* marginesy = new QGroupBox(QString::fromUtf8("Marginesy"), panel);
  auto* siatka = new QGridLayout(marginesy);
  lewy_ = Pole(marginesy, "lewy", 0, 200, 5, 0);
  prawy_ = Pole(marginesy, "prawy", 0, 200, 5, 0);
  gorny_ = Pole(marginesy, "gorny", 0, 200, 5, 0);
  dolny_ = Pole(marginesy, "dolny", 0, 200, 5, 0);
  siatka->addWidget(Etykieta(marginesy, "Lewy [mm]", lewy_), 0, 0);
  siatka->addWidget(lewy_, 0, 1);
  siatka->addWidget(Etykieta(marginesy, "Prawy [mm]", prawy_), 0, 2);
  siatka->addWidget(prawy_, 0, 3);
  siatka->addWidget(Etykieta(marginesy, "Górny [mm]", gorny_), 1, 0);
  siatka->addWidget(gorny_, 1, 1);
  siatka->addWidget(Etykieta(marginesy, "Dolny [mm]", dolny_), 1, 2);
  siatka->addWidget(dolny_, 1, 3);
  uklad->addWidget(marginesy);

  auto* wiersz = new QGridLayout;
  rozmiar_ = Pole(panel, "rozmiar", 10, 900, 10, 100);
  od_ = Pole(panel, "od", 1, 20, 1, 1);
  do_ = Pole(panel, "do", 1, 20, 1, 1);
  wiersz->addWidget(Etykieta(panel, "Rozmiar [%]", rozmiar_), 0, 0);
  wiersz->addWidget(rozmiar_, 0, 1);
  wiersz->addWidget(Etykieta(panel, "Drukuj od", od_), 1, 0);
  wiersz->addWidget(od_, 1, 1);
  wiersz->addWidget(Etykieta(panel, "do strony", do_), 1, 2);
  wiersz->addWidget(do_, 1, 3);
  uklad->addLayout(wiersz);

  zaznaczony_ = Pole(panel, "tylkoZaznaczony", "Tylko zaznaczony obszar", false);
  leweNaglowki_ = Pole(panel, "leweNaglowki", "Drukuj lewe nagłówki", true);
  gorneNaglowki_ = Pole(panel, "gorneNaglowki", "Drukuj górne nagłówki", true);
  for (QWidget* w : {zaznaczony_, leweNaglowki_, gorneNaglowki_}) uklad->addWidget(w);

  auto* sposob = new QGroupBox(QString::fromUtf8("Sposób kolorowania"), panel);
  auto* pion = new QVBoxLayout(sposob);
  kolorowanie_ = new QButtonGroup(this);
  const char* sposoby[] = {"Nie koloruj, drukuj czarno-biało", "Koloruj jak na ekranie",
                           "Koloruj czcionkę, nie tło (oszczędzaj barwnik)"};
  for (int i = 0; i < 3; ++i) {
    auto* r = new QRadioButton(QString::fromUtf8(sposoby[i]), sposob);
    r->setObjectName(QString("kolorowanie%1").arg(i));
    kolorowanie_->addButton(r, i);
    pion->addWidget(r);
  }
  kolorowanie_->button(0)->setChecked(true);
  uklad->addWidget(sposob);

  wysun_ = Pole(panel, "wysun", "Wysuń kartkę po wydrukowaniu tej tabeli.", true);
  powtarzaj_ = Pole(panel, "powtarzaj", "Powtarzaj tytuł na każdej stronie", false);
  uklad->addWidget(wysun_);
  uklad->addWidget(powtarzaj_);
  liczba_ = new QLabel(panel);
  liczba_->setObjectName("liczbaStron");
  nazwaDrukarki_ = new QLabel(panel);
  nazwaDrukarki_->setObjectName("drukarka");
  uklad->addWidget(liczba_);
  uklad->addWidget(nazwaDrukarki_);

  auto* przyciski = new QHBoxLayout;
  auto* drukuj = Przycisk(panel, "drukuj", "Drukuj");
  auto* zamknij = Przycisk(panel, "zamknij", "Zamknij");
  auto* opcje = Przycisk(panel, "opcje", "Opcje");
  for (QWidget* w : {drukuj, zamknij, opcje}) przyciski->addWidget(w);
  uklad->addLayout(przyciski);

  connect(drukuj, &QPushButton::clicked, this, &Tffdruk::Drukuj);
  connect(zamknij, &QPushButton::clicked, this, &QDialog::accept);
  connect(opcje, &QPushButton::clicked, this, &Tffdruk::Opcje);
  for (QSpinBox* s : {lewy_, prawy_, gorny_, dolny_, rozmiar_})
    connect(s, &QSpinBox::valueChanged, this, &Tffdruk::Uloz);
  for (QCheckBox* c : {zaznaczony_, leweNaglowki_, gorneNaglowki_})
    connect(c, &QCheckBox::toggled, this, &Tffdruk::Uloz);
  connect(kolorowanie_, &QButtonGroup::idToggled, this, [this](int, bool wlaczony) {
    if (wlaczony) Uloz();
  });
  connect(tytul_, &QLineEdit::textChanged, this, [this] { obszar_->update(); });
  connect(powtarzaj_, &QCheckBox::toggled, this, [this] { obszar_->update(); });
  // The first page stays at or below the last.
  connect(od_, &QSpinBox::valueChanged, this, [this](int v) {
    if (v > do_->value()) od_->setValue(do_->value());
    obszar_->update();
  });
  connect(do_, &QSpinBox::valueChanged, this, [this](int v) {
    if (v < od_->value()) do_->setValue(od_->value());
  });
  return panel;
}

void Tffdruk::Wczytaj(TCellEdi& siatka, const QString& tytul) {
  siatka_ = &siatka;
  tytul_->setText(tytul);
  Status(" ");
  if (!zadanie_) printer_.setDocName(tytul_->text());
  if (pierwsze_) {
    RozmiescPodglad();
    pierwsze_ = false;
  }
  Uloz();
}

QString Tffdruk::drukuj_tabele(TCellEdi& siatka, const QString& tytul) {
  Wczytaj(siatka, tytul);
  exec();
  return tytul_->text();
}

void Tffdruk::RozmiescPodglad() {
  const TObszarPodgladu o = velmor::ObszarPodgladu(printer_.width(), printer_.height());
  obszar_->setGeometry(o.X + przesuniecie_, o.Y, o.Szer, o.Wys);
  arkusz_ = QImage(o.Szer, o.Wys, QImage::Format_RGB32);
  if (siatka_) {
    // The sheet image measures fonts as the screen does.
    arkusz_.setDotsPerMeterX(qRound(siatka_->logicalDpiX() / 0.0254));
    arkusz_.setDotsPerMeterY(qRound(siatka_->logicalDpiY() / 0.0254));
  }
  WyczyscArkusz();
}

TOpcjeWydruku Tffdruk::Opcje_() const {
  TOpcjeWydruku o;
  o.Skala = static_cast<float>(rozmiar_->value()) / 100;
  o.TylkoZaznaczenie = zaznaczony_->isChecked();
  o.LewyMm = lewy_->value();
  o.PrawyMm = prawy_->value();
  o.GornyMm = gorny_->value();
  o.DolnyMm = dolny_->value();
  o.LeweNaglowki = leweNaglowki_->isChecked();
  o.GorneNaglowki = gorneNaglowki_->isChecked();
  o.TrybKolorow = kolorowanie_->checkedId();
  return o;
}

void Tffdruk::UlozStrony() {
  {
    KlepsydrKursor klepsydra;
    pozycjaUkladu_ = pozycja_;
    liczbaStron_ =
        siatka_->IniStrony(printer_, arkusz_.width(), arkusz_.height(), pozycja_, Opcje_());
  }
  if (liczbaStron_ <= 0) Status(QString::fromUtf8("Wydruk się nie powiódł..."));
  liczba_->setText(QString::fromStdString(LiczbaStronNapis(liczbaStron_)));
  nazwaDrukarki_->setText(NazwaDrukarki(printer_));
  od_->setMaximum(std::max(liczbaStron_, 1));
  do_->setMaximum(std::max(liczbaStron_, 1));
}

void Tffdruk::Uloz() {
  if (!siatka_) return;
  if (!zadanie_) pozycja_ = 0;
  UlozStrony();
  do_->setValue(do_->maximum());
  Przewin(0);
}

// Printing moved the sheet position under the layout (a job begun or ended,
// a table left on the sheet): the layout follows, keeping the page range.
void Tffdruk::Dopasuj() {
  if (pozycja_ == pozycjaUkladu_) return;
  UlozStrony();
  Przewin(0);
}

void Tffdruk::Przewin(int o) {
  podglad_ = std::clamp(podglad_ + o, 0, std::max(liczbaStron_ - 1, 0));
  dalej_->setText(QString("Strona %1    >>").arg(podglad_ + 1));
  obszar_->update();
}

bool Tffdruk::KontynuujeArkusz(int strona) const {
  if (pozycja_ <= 0 || !siatka_ || siatka_->UkladStron().TytulSieNieMiesci) return false;
  const auto opis = siatka_->OpisStrony(strona);
  return opis && opis->PasWierszy == 0;
}

void Tffdruk::RysujPodglad(QPainter& p) {
  p.fillRect(obszar_->rect(), Qt::white);
  if (!siatka_) return;
  if (podglad_ == od_->value() - 1 && KontynuujeArkusz(podglad_))
    p.drawImage(0, 0, SladArkusza(arkusz_));
  int dol = 0;
  siatka_->DrukujStrone(p, podglad_, dol, tytul_->text(), true, powtarzaj_->isChecked());
}

void Tffdruk::Status(const QString& tekst) {
  status_->setText(tekst);
  status_->repaint();
}

void Tffdruk::WyczyscArkusz() { arkusz_.fill(Qt::white); }

void Tffdruk::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    Drukuj();
    accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

}  // namespace velmor
