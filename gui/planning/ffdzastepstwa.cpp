#include "gui/planning/ffdzastepstwa.h"

#include <QBoxLayout>
#include <QClipboard>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>

#include "core/archive/cp1250.h"
#include "core/eksport/html.h"
#include "core/eksport/zastepstwa.h"
#include "core/model/data.h"
#include "gui/common/miejsce_ustawien.h"
#include "gui/grid/celledi.h"
#include "gui/grid/tekst.h"
#include "gui/planning/wspolne.h"

namespace velmor {
namespace {

constexpr const char* kGrupa = "Zastepstwa";
const char* const kKolumny[] = {"Przerwa", "Rejon", "Za", "Dyżur pełni"};
const char* const kKolumnyKandydatow[] = {"Nauczyciel", "Komunikat", "Moc", "Zastępstwa"};

const QDate kZero(1899, 12, 30);

}  // namespace

Tffdzastepstwa::Tffdzastepstwa(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic)
    : TRamkaRaportu(dokument, uslugi, "ffdzastepstwa", "Zastępstwa", 270, rodzic),
      uslugi_(uslugi),
      data_(static_cast<int>(Dzisiaj())),
      kandydaciSiatka_(new TCellEdi(this)),
      dzien_(new QDateEdit(this)),
      doDnia_(new QDateEdit(this)),
      nieobecni_(new QListWidget(this)),
      nauczyciele_(new QListWidget(this)),
      odLekcji_(new QSpinBox(this)),
      doLekcji_(new QSpinBox(this)),
      powod_(new QLineEdit(this)) {
  auto* uklad = static_cast<QVBoxLayout*>(layout());
  auto* dzien = new QHBoxLayout;
  for (QDateEdit* d : {dzien_, doDnia_}) {
    d->setCalendarPopup(true);
    d->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
  }
  dzien_->setDisplayFormat("dddd dd.MM.yyyy");
  dzien_->setMinimumWidth(190);
  doDnia_->setDisplayFormat("'do' dd.MM.yyyy");
  dzien->addWidget(dzien_);
  for (int d = 0; d < 7; ++d) {
    QPushButton* p = PrzyciskPanelu(this, dzien, Cp1250DoUtf8(TDni::NazwaDnia(d, 3)).c_str());
    connect(p, &QPushButton::clicked, this,
            [this, d] { UstawDate(data_ - (DzienTygodnia(data_) + 5) % 7 + d); });
    dniTygodnia_.push_back(p);
  }
  QPushButton* poprzedni = PrzyciskPanelu(this, dzien, "Poprzedni dzień");
  QPushButton* nastepny = PrzyciskPanelu(this, dzien, "Następny dzień");
  dzien->addStretch(1);
  uklad->insertLayout(0, dzien);
  auto* akcje = new QHBoxLayout;
  QPushButton* automatycznie = PrzyciskPanelu(this, akcje, "Wpisz automatycznie");
  QPushButton* bez = PrzyciskPanelu(this, akcje, "Bez zastępstwa");
  QPushButton* otworz = PrzyciskPanelu(this, akcje, "Usuń zastępstwo");
  QPushButton* strona = PrzyciskPanelu(this, akcje, "Eksport: strona HTML...");
  QPushButton* wiadomosc = PrzyciskPanelu(this, akcje, "Kopiuj wiadomość");
  akcje->addStretch(1);
  uklad->insertLayout(1, akcje);

  auto* nieobecni = new QHBoxLayout;
  for (QListWidget* l : {nieobecni_, nauczyciele_}) l->setMaximumHeight(90);
  nauczyciele_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  nieobecni_->setMinimumWidth(260);
  nauczyciele_->setMaximumWidth(220);
  nieobecni->addWidget(nieobecni_, 2);
  odLekcji_->setSpecialValueText("od początku");
  doLekcji_->setSpecialValueText("do końca");
  for (QSpinBox* s : {odLekcji_, doLekcji_}) s->setRange(0, 255);
  powod_->setPlaceholderText(QString::fromUtf8("powód"));
  for (QWidget* w :
       std::initializer_list<QWidget*>{nauczyciele_, doDnia_, odLekcji_, doLekcji_, powod_})
    nieobecni->addWidget(w);
  QPushButton* dodaj = PrzyciskPanelu(this, nieobecni, "Dodaj nieobecność");
  QPushButton* zmien = PrzyciskPanelu(this, nieobecni, "Zmień nieobecność");
  QPushButton* usun = PrzyciskPanelu(this, nieobecni, "Usuń nieobecność");
  uklad->insertLayout(2, nieobecni);
  uklad->addWidget(kandydaciSiatka_, 1);

  UstawNaglowki(*siatka_, kKolumny);
  for (int x = 0; x < 4; ++x) siatka_->UstawSzerIo(x, x == 0 ? 160 : 170);
  siatka_->OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) { Oczko(x, y, ato); };
  siatka_->OnZmianaKomorki = [this](TCellEdi&, int, int) { OdswiezKandydatow(); };
  UstawNaglowki(*kandydaciSiatka_, kKolumnyKandydatow);
  kandydaciSiatka_->UstawSzerIo(0, 170);
  kandydaciSiatka_->UstawSzerIo(1, 300);
  kandydaciSiatka_->OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) {
    OczkoKandydata(x, y, ato);
  };
  // A click on the current row, or Enter, enters that candidate.
  kandydaciSiatka_->OnAkcja = [this](TCellEdi&, int, int y, int& klawisz, int button,
                                     Qt::KeyboardModifiers) {
    const bool wybor = button == 1 || klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter;
    if (!wybor || y < 0 || y >= static_cast<int>(kandydaci_.size())) return;
    if (!Wykluczony(kandydaci_[static_cast<size_t>(y)].Wariant))
      Wpisz(kandydaci_[static_cast<size_t>(y)].Wariant.nauczyciel);
  };

  connect(dzien_, &QDateEdit::dateChanged, this,
          [this](const QDate& d) { UstawDate(static_cast<int>(kZero.daysTo(d))); });
  connect(poprzedni, &QPushButton::clicked, this, [this] { UstawDate(data_ - 1); });
  connect(nastepny, &QPushButton::clicked, this, [this] { UstawDate(data_ + 1); });
  connect(automatycznie, &QPushButton::clicked, this, &Tffdzastepstwa::WpiszAutomatycznie);
  connect(bez, &QPushButton::clicked, this, [this] { Wpisz(kZamkniete); });
  connect(otworz, &QPushButton::clicked, this, [this] { Wpisz(-1); });
  connect(strona, &QPushButton::clicked, this, [this] {
    if (ZapiszStrone) ZapiszStrone(ZastepstwaHtml(dok_, data_));
  });
  connect(wiadomosc, &QPushButton::clicked, this, &Tffdzastepstwa::KopiujWiadomosc);
  connect(dodaj, &QPushButton::clicked, this, &Tffdzastepstwa::DodajNieobecnosc);
  connect(zmien, &QPushButton::clicked, this, &Tffdzastepstwa::ZmienNieobecnosc);
  connect(usun, &QPushButton::clicked, this, &Tffdzastepstwa::UsunNieobecnosc);
  connect(nieobecni_, &QListWidget::currentRowChanged, this, &Tffdzastepstwa::DoFormularza);
  resize(900, 560);
  CzytajMiejsce(*this, kGrupa);
  UstawDate(data_);
}

void Tffdzastepstwa::UstawDate(int dzien) {
  if (!DataWZakresie(dzien)) return;
  data_ = dzien;
  const QSignalBlocker cisza(dzien_);
  dzien_->setDate(kZero.addDays(dzien));
  doDnia_->setDate(kZero.addDays(dzien));
  Odswiez();
}

int Tffdzastepstwa::Przelicz() {
  setWindowTitle(QString::fromUtf8("Zastępstwa: " + DzienZastepstw(data_)));
  pozycje_ = PozycjeDnia(dok_, data_);
  OdswiezNieobecnych();
  OdswiezKandydatow();
  return static_cast<int>(pozycje_.size());
}

const TPozycjaPokrycia* Tffdzastepstwa::Biezaca() const {
  const int y = siatka_->Kury();
  return y >= 0 && y < static_cast<int>(pozycje_.size()) ? &pozycje_[static_cast<size_t>(y)]
                                                         : nullptr;
}

void Tffdzastepstwa::OdswiezKandydatow() {
  const TPozycjaPokrycia* p = Biezaca();
  kandydaci_ = p ? KandydaciPokrycia(dok_, data_, *p, TZasadyOceny::Z(dok_.Opcje, true))
                 : std::vector<TKandydatPokrycia>{};
  kandydaciSiatka_->UstawIly(std::max(static_cast<int>(kandydaci_.size()), 1));
  kandydaciSiatka_->OdswiezAll();
}

void Tffdzastepstwa::OdswiezNieobecnych() {
  if (nauczyciele_->count() != dok_.Nauczyciele.Liczba()) {
    nauczyciele_->clear();
    for (int t = 0; t < dok_.Nauczyciele.Liczba(); ++t)
      nauczyciele_->addItem(QTekst(dok_.Nauczyciele[t].NazwaNauczyciela()));
  }
  const int poniedzialek = data_ - (DzienTygodnia(data_) + 5) % 7;
  for (size_t d = 0; d < dniTygodnia_.size(); ++d)
    dniTygodnia_[d]->setEnabled(DzienPlanu(dok_.Dni, poniedzialek + static_cast<int>(d)) >= 0);
  nieobecni_->clear();
  nieobecnosciDnia_.clear();
  const std::vector<TNieobecnosc>& lista = dok_.Zastepstwa.Nieobecnosci;
  for (size_t i = 0; i < lista.size(); ++i) {
    const TNieobecnosc& n = lista[i];
    if (n.Od > data_ || data_ > n.Do || !dok_.Nauczyciele.Istnieje(n.Nauczyciel)) continue;
    QString opis = QTekst(dok_.Nauczyciele[n.Nauczyciel].NazwaNauczyciela());
    if (n.OdLekcji || n.DoLekcji)
      opis += QString(", lekcje %1-%2")
                  .arg(n.OdLekcji ? n.OdLekcji : 1)
                  .arg(n.DoLekcji ? QString::number(n.DoLekcji) : QString());
    if (!n.Powod.empty()) opis += " (" + QTekst(n.Powod) + ")";
    nieobecni_->addItem(opis);
    nieobecnosciDnia_.push_back(i);
  }
}

void Tffdzastepstwa::Oczko(int x, int y, TTekstOczka& ato) const {
  if (y < 0 || y >= static_cast<int>(pozycje_.size())) return;
  const TPozycjaPokrycia& p = pozycje_[static_cast<size_t>(y)];
  switch (x) {
    case 0: ato.ustaw_tekst(0, dok_.EtykietaMomentu(p.Moment)); break;
    case 1: ato.ustaw_tekst(0, dok_.Rejony[p.Rejon].Nazwa); break;
    case 2: ato.ustaw_tekst(0, dok_.Nauczyciele[p.Nieobecny].NazwaNauczyciela()); break;
    default:
      if (p.Kto == kZamkniete) ato.ustaw_tekst(0, Utf8DoCp1250("bez zastępstwa"));
      else if (dok_.Nauczyciele.Istnieje(p.Kto))
        ato.ustaw_tekst(0, dok_.Nauczyciele[p.Kto].NazwaNauczyciela());
      else ato.wpisz_kropki(0);
  }
  if (p.Kto < 0) ato.ustaw_kolor(0x00D0D0FF);  // open: light red
}

void Tffdzastepstwa::OczkoKandydata(int x, int y, TTekstOczka& ato) const {
  if (y < 0 || y >= static_cast<int>(kandydaci_.size())) return;
  const TKandydatPokrycia& k = kandydaci_[static_cast<size_t>(y)];
  ato.ustaw_kolor(KolorWariantu(k.Wariant));
  switch (x) {
    case 0: ato.ustaw_tekst(0, dok_.Nauczyciele[k.Wariant.nauczyciel].NazwaNauczyciela()); break;
    case 1:
      if (k.Nieobecny) ato.ustaw_tekst(0, Utf8DoCp1250("Nieobecny"));
      else if (k.Wariant.komunikat < kBezKomunikatu)
        ato.ustaw_tekst(0, Utf8DoCp1250(KomunikatWariantu(k.Wariant.komunikat)));
      else ato.wpisz_kropki(0);
      break;
    case 2: ato.ustaw_tekst(0, std::to_string(k.Wariant.moc)); break;
    default: ato.ustaw_tekst(0, std::to_string(k.Zastepstwa));
  }
}

std::vector<int> Tffdzastepstwa::Wybrani() const {
  std::vector<int> t;
  for (int i = 0; i < nauczyciele_->count(); ++i)
    if (nauczyciele_->item(i)->isSelected() && dok_.Nauczyciele.Istnieje(i)) t.push_back(i);
  return t;
}

TNieobecnosc Tffdzastepstwa::Formularz(int t) const {
  const int doDnia = std::max(data_, static_cast<int>(kZero.daysTo(doDnia_->date())));
  return {static_cast<uint8_t>(t),
          data_,
          doDnia,
          static_cast<uint8_t>(odLekcji_->value()),
          static_cast<uint8_t>(doLekcji_->value()),
          Cp1250(powod_->text())};
}

void Tffdzastepstwa::DoFormularza(int wiersz) {
  if (wiersz < 0 || static_cast<size_t>(wiersz) >= nieobecnosciDnia_.size()) return;
  const TNieobecnosc& n =
      dok_.Zastepstwa.Nieobecnosci[nieobecnosciDnia_[static_cast<size_t>(wiersz)]];
  nauczyciele_->clearSelection();
  if (QListWidgetItem* w = nauczyciele_->item(n.Nauczyciel)) w->setSelected(true);
  doDnia_->setDate(kZero.addDays(n.Do));
  odLekcji_->setValue(n.OdLekcji);
  doLekcji_->setValue(n.DoLekcji);
  powod_->setText(QTekst(n.Powod));
}

void Tffdzastepstwa::DodajNieobecnosc() {
  const std::vector<int> wybrani = Wybrani();
  if (wybrani.empty()) return;
  TDokument::TZmiana zmiana = uslugi_.Zmien("Nieobecność");
  TModele& m = zmiana.Modele();
  for (int t : wybrani) m.Zastepstwa.Nieobecnosci.push_back(Formularz(t));
  UsunZbedne(m);
}

void Tffdzastepstwa::ZmienNieobecnosc() {
  const int wiersz = nieobecni_->currentRow();
  const std::vector<int> wybrani = Wybrani();
  if (wiersz < 0 || static_cast<size_t>(wiersz) >= nieobecnosciDnia_.size() || wybrani.empty())
    return;
  TDokument::TZmiana zmiana = uslugi_.Zmien("Zmień nieobecność");
  TModele& m = zmiana.Modele();
  TNieobecnosc& n = m.Zastepstwa.Nieobecnosci[nieobecnosciDnia_[static_cast<size_t>(wiersz)]];
  const int od = n.Od;
  n = Formularz(wybrani.front());
  n.Od = od;
  n.Do = std::max(n.Do, od);
  UsunZbedne(m);
}

void Tffdzastepstwa::UsunNieobecnosc() {
  const int wiersz = nieobecni_->currentRow();
  if (wiersz < 0 || static_cast<size_t>(wiersz) >= nieobecnosciDnia_.size()) return;
  TDokument::TZmiana zmiana = uslugi_.Zmien("Usuń nieobecność");
  TModele& m = zmiana.Modele();
  auto& lista = m.Zastepstwa.Nieobecnosci;
  lista.erase(lista.begin() + static_cast<long>(nieobecnosciDnia_[static_cast<size_t>(wiersz)]));
  UsunZbedne(m);
}

void Tffdzastepstwa::WpiszAutomatycznie() {
  TDokument::TZmiana zmiana = uslugi_.Zmien("Wpisz automatycznie (zastępstwa)");
  TModele& m = zmiana.Modele();
  PokryjDzien(m, data_, TZasadyOceny::Z(m.Opcje, true), TUstawieniaOptimum::Z(m.Opcje));
}

void Tffdzastepstwa::Wpisz(int kto) {
  const TPozycjaPokrycia* p = Biezaca();
  if (!p) return;
  const TPozycjaPokrycia pozycja = *p;
  TDokument::TZmiana zmiana = uslugi_.Zmien("Zastępstwo");
  std::vector<TZastepstwo>& lista = zmiana.Modele().Zastepstwa.Pokrycia;
  std::erase_if(lista, [&](const TZastepstwo& z) {
    return z.Data == data_ && z.Moment == pozycja.Moment && z.Rejon == pozycja.Rejon;
  });
  if (kto >= 0)
    lista.push_back({data_, static_cast<uint16_t>(pozycja.Moment),
                     static_cast<uint8_t>(pozycja.Rejon), static_cast<uint8_t>(kto)});
}

void Tffdzastepstwa::hideEvent(QHideEvent* e) {
  ZapiszMiejsce(*this, kGrupa);
  TRamkaRaportu::hideEvent(e);
}

void Tffdzastepstwa::KopiujWiadomosc() const {
  QGuiApplication::clipboard()->setText(QString::fromStdString(ZastepstwaTekst(dok_, data_)));
}

}  // namespace velmor
