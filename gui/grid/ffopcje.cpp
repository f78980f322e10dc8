#include "gui/grid/ffopcje.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/grid/celledi.h"
#include "gui/grid/dialogczcionki.h"
#include "gui/grid/tekst.h"

namespace velmor {
namespace {

QSpinBox* Pole(QWidget* rodzic, const char* nazwa, int min, int max) {
  auto* s = new QSpinBox(rodzic);
  s->setObjectName(nazwa);
  s->setRange(min, max);
  return s;
}

QPushButton* Przycisk(QWidget* rodzic, const char* nazwa, const char* tekst) {
  auto* b = new QPushButton(QString::fromUtf8(tekst), rodzic);
  b->setObjectName(nazwa);
  b->setAutoDefault(false);
  return b;
}

// Three exclusive choices 0, 1, 2 in a titled group.
QGroupBox* Grupa(QWidget* rodzic, const char* tytul, const char* nazwa,
                 const char* const (&opcje)[3], QButtonGroup*& przyciski) {
  auto* g = new QGroupBox(QString::fromUtf8(tytul), rodzic);
  auto* uklad = new QVBoxLayout(g);
  przyciski = new QButtonGroup(g);
  for (int i = 0; i < 3; ++i) {
    auto* r = new QRadioButton(QString::fromUtf8(opcje[i]), g);
    r->setObjectName(QString("%1%2").arg(nazwa).arg(i));
    przyciski->addButton(r, i);
    uklad->addWidget(r);
  }
  return g;
}

int Wybor(int wartosc) { return wartosc == 0 || wartosc == 1 ? wartosc : 2; }

}  // namespace

Tffopcje::Tffopcje(QWidget* rodzic)
    : QDialog(rodzic),
      WybierzCzcionke(velmor::WybierzCzcionke),
      WybierzKolor(velmor::WybierzKolor) {
  setObjectName("ffopcje");
  setWindowTitle(QString::fromUtf8("Wygląd tabeli"));
  auto* uklad = new QGridLayout(this);
  uklad->addWidget(ZbudujRozmiary(), 0, 0);
  uklad->addWidget(ZbudujWyrownanie(), 1, 0);
  uklad->addWidget(ZbudujCzcionki(), 0, 1);
  uklad->addWidget(ZbudujKolory(), 1, 1);
  auto* zamknij = Przycisk(this, "zamknij", "Zamknij");
  connect(zamknij, &QPushButton::clicked, this, &QDialog::accept);
  uklad->addWidget(zamknij, 2, 1, Qt::AlignRight);
}

template <typename F>
void Tffopcje::Zmiana(F f) {
  if (ladowanie_ || !siatka_) return;
  f(*siatka_);
  siatka_->OdswiezAll();
}

QWidget* Tffopcje::ZbudujRozmiary() {
  auto* panel = new QWidget(this);
  auto* uklad = new QGridLayout(panel);
  szerInfo_ = Pole(panel, "szerInfo", 1, 300);
  wysInfo_ = Pole(panel, "wysInfo", 1, 300);
  szerOczek_ = Pole(panel, "szerOczek", 10, 300);
  wysOczek_ = Pole(panel, "wysOczek", 10, 300);
  staleKolumny_ = Pole(panel, "staleKolumny", 1, 1);
  staleWiersze_ = Pole(panel, "staleWiersze", 1, 1);
  etStaleKolumny_ = new QLabel(QString::fromUtf8("Liczba nieruchomych kolumn: "), panel);
  etStaleWierszy_ = new QLabel(QString::fromUtf8("Liczba nieruchomych wierszy: "), panel);
  const std::pair<const char*, QSpinBox*> pola[] = {{"Szerokość marginesu", szerInfo_},
                                                    {"Wysokość marginesu", wysInfo_},
                                                    {"Szerokość oczek", szerOczek_},
                                                    {"Wysokość oczek", wysOczek_}};
  int wiersz = 0;
  for (const auto& [tekst, pole] : pola) {
    uklad->addWidget(new QLabel(QString::fromUtf8(tekst), panel), wiersz, 0);
    uklad->addWidget(pole, wiersz++, 1);
  }
  uklad->addWidget(etStaleKolumny_, wiersz, 0);
  uklad->addWidget(staleKolumny_, wiersz++, 1);
  uklad->addWidget(etStaleWierszy_, wiersz, 0);
  uklad->addWidget(staleWiersze_, wiersz, 1);

  connect(szerInfo_, &QSpinBox::valueChanged, this,
          [this](int v) { Zmiana([v](TCellEdi& s) { s.UstawSzerInfo(v); }); });
  connect(wysInfo_, &QSpinBox::valueChanged, this,
          [this](int v) { Zmiana([v](TCellEdi& s) { s.UstawWysInfo(v); }); });
  connect(szerOczek_, &QSpinBox::valueChanged, this, &Tffopcje::SzerokoscOczek);
  connect(wysOczek_, &QSpinBox::valueChanged, this, &Tffopcje::WysokoscOczek);
  connect(staleKolumny_, &QSpinBox::valueChanged, this,
          [this](int v) { Zmiana([v](TCellEdi& s) { s.UstawFixedCols(v); }); });
  connect(staleWiersze_, &QSpinBox::valueChanged, this,
          [this](int v) { Zmiana([v](TCellEdi& s) { s.UstawFixedRows(v); }); });
  return panel;
}

QWidget* Tffopcje::ZbudujWyrownanie() {
  auto* panel = new QWidget(this);
  auto* uklad = new QHBoxLayout(panel);
  const char* const poziome[3] = {"Do lewej", "Centralnie", "Do prawej"};
  const char* const pionowe[3] = {"Do góry", "Centralnie", "Do dołu"};
  uklad->addWidget(Grupa(panel, "Wyrównanie poziome", "poziomo", poziome, poziome_));
  grupaPionowa_ = Grupa(panel, "Wyrównanie pionowe", "pionowo", pionowe, pionowe_);
  uklad->addWidget(grupaPionowa_);
  connect(poziome_, &QButtonGroup::idToggled, this, [this](int id, bool wlaczony) {
    if (wlaczony) Zmiana([id](TCellEdi& s) { s.DefaultJust = id; });
  });
  connect(pionowe_, &QButtonGroup::idToggled, this, [this](int id, bool wlaczony) {
    if (wlaczony) Zmiana([id](TCellEdi& s) { s.DefaultJustVert = id; });
  });
  return panel;
}

QWidget* Tffopcje::ZbudujCzcionki() {
  auto* panel = new QWidget(this);
  auto* uklad = new QVBoxLayout(panel);
  auto* tabeli = Przycisk(panel, "czcionkaTabeli", "Czcionka tabeli");
  auto* naglowka = Przycisk(panel, "czcionkaNaglowka", "Czcionka nagłówka");
  auto* kursora = Przycisk(panel, "czcionkaKursora", "Czcionka kursora");
  jakTabeliNaglowek_ = new QCheckBox(QString::fromUtf8("Jak tabeli"), panel);
  jakTabeliNaglowek_->setObjectName("jakTabeliNaglowek");
  jakTabeliKursor_ = new QCheckBox(QString::fromUtf8("Jak tabeli"), panel);
  jakTabeliKursor_->setObjectName("jakTabeliKursor");
  jakTabeliNaglowek_->setChecked(true);
  jakTabeliKursor_->setChecked(true);
  for (QWidget* w : {static_cast<QWidget*>(tabeli), static_cast<QWidget*>(naglowka),
                     static_cast<QWidget*>(jakTabeliNaglowek_), static_cast<QWidget*>(kursora),
                     static_cast<QWidget*>(jakTabeliKursor_)})
    uklad->addWidget(w);

  connect(tabeli, &QPushButton::clicked, this, &Tffopcje::CzcionkaTabeli);
  connect(naglowka, &QPushButton::clicked, this, [this] {
    if (!siatka_) return;
    if (const auto f = WybierzCzcionke(this, siatka_->FontInfo()))
      Zmiana([&f](TCellEdi& s) { s.UstawFontInfo(*f); });
  });
  connect(kursora, &QPushButton::clicked, this, [this] {
    if (!siatka_) return;
    if (const auto f = WybierzCzcionke(this, siatka_->FontKursor()))
      Zmiana([&f](TCellEdi& s) { s.UstawFontKursor(*f); });
  });
  connect(jakTabeliNaglowek_, &QCheckBox::toggled, this, [this](bool t) {
    if (t) Zmiana([](TCellEdi& s) { s.UstawFontInfo(s.Font()); });
  });
  connect(jakTabeliKursor_, &QCheckBox::toggled, this, [this](bool t) {
    if (t) Zmiana([](TCellEdi& s) { s.UstawFontKursor(s.Font()); });
  });
  return panel;
}

QWidget* Tffopcje::ZbudujKolory() {
  auto* panel = new QWidget(this);
  auto* uklad = new QGridLayout(panel);
  const std::tuple<const char*, const char*, uint32_t TCellEdi::*> probki[] = {
      {"kolorNaglowki", "Nagłówki", &TCellEdi::InfoKolor},
      {"kolorAktywnyNaglowek", "Aktywny nagłówek", &TCellEdi::TurboMyszRuchKolor},
      {"kolorOczka", "Oczka tabeli", &TCellEdi::OczkoKolor},
      {"kolorKursor", "Kursor", &TCellEdi::KursorKolor},
      {"kolorZaznaczenie", "Zaznaczenie", &TCellEdi::ZaznaczKolor},
      {"kolorPrzenoszone", "Przenoszone kolumny/wiersze", &TCellEdi::TurboMyszDragKolor}};
  int wiersz = 0;
  for (const auto& [nazwa, tekst, pole] : probki) {
    auto* b = Przycisk(panel, nazwa, "");
    b->setFixedSize(40, 20);
    uklad->addWidget(b, wiersz, 0);
    uklad->addWidget(new QLabel(QString::fromUtf8(tekst), panel), wiersz++, 1);
    kolory_.emplace_back(b, pole);
    connect(b, &QPushButton::clicked, this, [this, b, pole = pole] {
      if (!siatka_) return;
      if (const auto k = WybierzKolor(this, (*siatka_).*pole)) {
        PokazKolor(b, *k);
        Zmiana([&k, pole](TCellEdi& s) { s.*pole = *k; });
      }
    });
  }
  cieniowanie_ = Pole(panel, "cieniowanie", 0, 100);
  uklad->addWidget(
      new QLabel(QString::fromUtf8("Głębokość cieniowania (0 - najszybsze wyświetlanie)"), panel),
      wiersz++, 0, 1, 2);
  uklad->addWidget(cieniowanie_, wiersz, 0);
  connect(cieniowanie_, &QSpinBox::valueChanged, this,
          [this](int v) { Zmiana([v](TCellEdi& s) { s.EkstraKolorZmiana = v; }); });
  return panel;
}

void Tffopcje::PokazKolor(QPushButton* b, uint32_t kolor) {
  b->setStyleSheet(QString("background-color: %1").arg(QKolor(kolor).name()));
}

void Tffopcje::SzerokoscOczek(int v) {
  Zmiana([this, v](TCellEdi& s) {
    if (!proporcjonalnie_) return s.UstawDefaultSzerIo(v);
    for (int x = 0; x < s.Ilx() && x < static_cast<int>(szerokosci_.size()); ++x) {
      const int w = szerokosci_[static_cast<size_t>(x)];
      s.UstawSzerIo(x, static_cast<int>(w * (v - 100) * 0.01 + w));
    }
  });
}

void Tffopcje::WysokoscOczek(int v) {
  Zmiana([this, v](TCellEdi& s) {
    if (!proporcjonalnie_) return s.UstawDefaultWysIo(v);
    for (int y = 0; y < s.Ily() && y < static_cast<int>(wysokosci_.size()); ++y) {
      const int h = wysokosci_[static_cast<size_t>(y)];
      s.UstawWysIo(y, static_cast<int>(h * (v - 100) * 0.01 + h));
    }
  });
}

void Tffopcje::CzcionkaTabeli() {
  if (!siatka_) return;
  const auto f = WybierzCzcionke(this, siatka_->Font());
  if (!f) return;
  Zmiana([this, &f](TCellEdi& s) {
    s.UstawFont(*f);
    if (jakTabeliNaglowek_->isChecked()) s.UstawFontInfo(*f);
    if (jakTabeliKursor_->isChecked()) s.UstawFontKursor(*f);
  });
}

void Tffopcje::Wczytaj(TCellEdi& siatka, bool proporcjonalnie, bool staleKolumny, bool staleWiersze,
                       bool wyrownaniePionowe) {
  ladowanie_ = true;
  siatka_ = &siatka;
  proporcjonalnie_ = proporcjonalnie;
  staleKolumny = staleKolumny && siatka.Ilx() >= 2;
  staleWiersze = staleWiersze && siatka.Ily() >= 2;
  szerInfo_->setValue(siatka.SzerInfo());
  wysInfo_->setValue(siatka.WysInfo());
  szerokosci_.clear();
  wysokosci_.clear();
  if (proporcjonalnie) {
    for (int x = 0; x < siatka.Ilx(); ++x) szerokosci_.push_back(siatka.SzerIo(x));
    for (int y = 0; y < siatka.Ily(); ++y) wysokosci_.push_back(siatka.WysIo(y));
    szerOczek_->setValue(100);
    wysOczek_->setValue(100);
  } else {
    szerOczek_->setValue(siatka.DefaultSzerIo());
    wysOczek_->setValue(siatka.DefaultWysIo());
  }
  staleKolumny_->setMaximum(siatka.Ilx());
  staleKolumny_->setValue(siatka.FixedCols());
  staleWiersze_->setMaximum(siatka.Ily());
  staleWiersze_->setValue(siatka.FixedRows());
  staleKolumny_->setEnabled(staleKolumny);
  etStaleKolumny_->setEnabled(staleKolumny);
  staleWiersze_->setEnabled(staleWiersze);
  etStaleWierszy_->setEnabled(staleWiersze);
  poziome_->button(Wybor(siatka.DefaultJust))->setChecked(true);
  pionowe_->button(Wybor(siatka.DefaultJustVert))->setChecked(true);
  grupaPionowa_->setEnabled(wyrownaniePionowe);
  for (const auto& [b, pole] : kolory_) PokazKolor(b, siatka.*pole);
  cieniowanie_->setValue(siatka.EkstraKolorZmiana);
  ladowanie_ = false;
}

void Tffopcje::pokaz_wyglad(TCellEdi& siatka, bool proporcjonalnie, bool staleKolumny,
                            bool staleWiersze, bool wyrownaniePionowe) {
  Wczytaj(siatka, proporcjonalnie, staleKolumny, staleWiersze, wyrownaniePionowe);
  exec();
  szerokosci_.clear();
  wysokosci_.clear();
}

void Tffopcje::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape) {
    accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

}  // namespace velmor
