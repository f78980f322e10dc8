#include "gui/planning/ffddysp.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "core/archive/liczebnik.h"
#include "core/document/dokument.h"
#include "core/planning/ogolne.h"
#include "gui/common/pomoc.h"
#include "gui/common/ramka.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/common/zmiany.h"
#include "gui/grid/celledi.h"
#include "gui/grid/klawisze.h"
#include "gui/grid/tekst.h"
#include "gui/planning/wspolne.h"

namespace velmor {

Tffddysp::Tffddysp(const TDokument& dokument, TMikroplan instancja, TUslugiOkna& uslugi,
                   QWidget* rodzic)
    : TRamkaTowarzysza("ffddysp", "Mikroplan", 220, rodzic),
      dok_(dokument),
      uslugi_(uslugi),
      instancja_(instancja) {
  drukuj_ = PrzyciskPanelu(this, panel_, "Drukuj");
  zakaz_ = PrzyciskPanelu(this, panel_, "Zakaz dyżurowania");
  koniec_ = PrzyciskPanelu(this, panel_, "Koniec");
  tytul_ = new QLabel(this);
  panel_->addWidget(tytul_, 1);
  komunikat_ = new QLabel(this);
  panel_->addWidget(komunikat_);
  siatka_->UstawSzerInfo(30);
  siatka_->UstawDefaultSzerIo(60);
  zakaz_->setEnabled(false);

  siatka_->OnTopInfo = [this](TCellEdi&, int d, TTekstOczka& ato) { Naglowek(d, ato); };
  siatka_->OnLeftInfo = [this](TCellEdi&, int p, TTekstOczka& ato) { Wiersz(p, ato); };
  siatka_->OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) { Oczko(x, y, ato); };
  siatka_->OnGrafOczko = [this](TCellEdi& s, QPainter& p, int x, int y, int x0, int y0) {
    if (ZnakZakazu(x, y)) RysujZakaz(s, p, x, y, x0, y0);
  };
  siatka_->OnAkcja = [this](TCellEdi&, int x, int y, int& klawisz, int, Qt::KeyboardModifiers) {
    Akcja(x, y, klawisz);
  };
  SchowekPierwszaLinia(*siatka_);

  PodlaczDialogi(*siatka_, uslugi, {}, drukuj_, [this] { return TytulPanelu(); });
  connect(zakaz_, &QPushButton::clicked, this, &Tffddysp::PrzelaczZakazy);
  connect(koniec_, &QPushButton::clicked, this, &QWidget::close);
  resize(460, 260);
  uslugi.OknaStopki().Zarejestruj(
      static_cast<TOknoStopki>(kOknoMikroplan + static_cast<int>(instancja)), this, siatka_);
  connect(&uslugi.Zmiany(), &TZmianyDokumentu::Zmieniono, this, [this] {
    if (isVisible()) pokaz_mikroplan(tryb_, podmiot_, moment_);
  });
}

QString Tffddysp::TytulPanelu() const { return tytul_->text(); }

void Tffddysp::pokaz_mikroplan(TTrybMikroplanu tryb, int podmiot, int moment) {
  tryb_ = tryb;
  podmiot_ = podmiot;
  moment_ = moment;
  komunikat_->clear();
  bajty_.resize(static_cast<size_t>(std::max(dok_.Dni.LiczbaSlotow(), 0)), 0);
  UstawSiatke();
  if (PodmiotIstnieje()) {
    Wypelnij();
    tytul_->setText(QTekst(Tytul()));
  }
  zakaz_->setEnabled(tryb_ == kTrybGdzieDyzuruje);
  if (isVisible()) siatka_->OdswiezAll();
  else show();
  siatka_->setFocus();
}

// Days by the periods of the longest day; the cursor on the moment.
void Tffddysp::UstawSiatke() {
  const TDni& dni = dok_.Dni;
  const int liczbaDni = static_cast<int>(dni.Dni.size());
  const int lekcji =
      liczbaDni > 0 ? static_cast<int>(dni.Dni[dni.NajdluzszyDzien].Godziny.size()) : 0;
  siatka_->UstawIlx(std::max(liczbaDni, 1));
  siatka_->UstawIly(std::max(lekcji, 1));
  if (moment_ >= kBezMomentu) {
    siatka_->UstawKursor(0, 0);
  } else {
    const auto [d, p] = dni.DzienILekcja(moment_);
    siatka_->UstawKursor(d, p);
  }
}

bool Tffddysp::PodmiotIstnieje() const {
  switch (tryb_) {
    case kTrybGdzieUczy:
    case kTrybGdzieDyzuruje: return dok_.Nauczyciele.Istnieje(podmiot_);
    case kTrybKtoUczy: return dok_.Sale.Istnieje(podmiot_);
    case kTrybKtoDyzuruje: return dok_.Rejony.Istnieje(podmiot_);
    default: return false;
  }
}

void Tffddysp::Wypelnij() {
  const TOgolne o(dok_);
  for (size_t i = 0; i < bajty_.size(); ++i) {
    const int s = static_cast<int>(i);
    switch (tryb_) {
      case kTrybGdzieUczy: bajty_[i] = o.sala_nauczyciela(podmiot_, s); break;
      case kTrybGdzieDyzuruje: bajty_[i] = o.rejon_dyzuru(podmiot_, s); break;
      case kTrybKtoUczy: bajty_[i] = o.nauczyciel_sali(podmiot_, s); break;
      default: bajty_[i] = o.dyzurny_rejonu(podmiot_, s); break;
    }
  }
}

std::string Tffddysp::Tytul() const {
  switch (tryb_) {
    case kTrybGdzieUczy: return dok_.Nauczyciele[podmiot_].NazwaNauczyciela();
    case kTrybGdzieDyzuruje: {
      std::string t = dok_.Nauczyciele[podmiot_].NazwaNauczyciela();
      const TObciazenia ob = TOgolne(dok_).policz_obciazenia();
      const auto i = static_cast<size_t>(podmiot_);
      if (i < ob.Dyzury.size() && i < ob.Minuty.size())
        t.append("(")
            .append(Liczebnik(ob.Dyzury[i], "raz", "razy", "razy"))
            .append(", ")
            .append(Liczebnik(ob.Minuty[i], "minuta", "minuty", "minut"))
            .append(") ");
      return t;
    }
    case kTrybKtoUczy: return dok_.Sale[podmiot_].Nazwa + " ";
    default: return dok_.Rejony[podmiot_].Nazwa + " ";
  }
}

int Tffddysp::SlotOczka(int x, int y) const { return dok_.Dni.Slot(x, y); }

void Tffddysp::Naglowek(int d, TTekstOczka& ato) const {
  if (d < 0 || d >= static_cast<int>(dok_.Dni.Dni.size())) return ato.wpisz_kropki(0);
  ato.ustaw_tekst(0, TDni::NazwaDnia(d, 0));
  ato.ustaw_kolor(dok_.Dni.Dni[static_cast<size_t>(d)].Kolor);
}

void Tffddysp::Wiersz(int p, TTekstOczka& ato) const {
  const TDni& dni = dok_.Dni;
  const int s = dni.Slot(dni.NajdluzszyDzien, p);
  if (s == kBrakSlotu) return ato.wpisz_kropki(0);
  if (tryb_ == kTrybGdzieUczy) {
    const TDzien& dzien = dni.Dni[static_cast<size_t>(dni.NajdluzszyDzien)];
    return ato.ustaw_tekst(0, dzien.Godziny[static_cast<size_t>(p)].Nazwa);
  }
  if (s < dok_.Momenty.Liczba()) return ato.ustaw_tekst(0, dok_.Momenty[s].Nazwa);
  ato.wpisz_kropki(0);
}

void Tffddysp::Oczko(int x, int y, TTekstOczka& ato) const {
  const int s = SlotOczka(x, y);
  if (s == kBrakSlotu || static_cast<size_t>(s) >= bajty_.size()) return ato.wpisz_kropki(0);
  if (!PodmiotIstnieje()) return;
  const uint8_t b = bajty_[static_cast<size_t>(s)];
  if (tryb_ == kTrybGdzieUczy && dok_.Sale.Istnieje(b))
    return ato.ustaw_tekst(0, dok_.Sale[b].Nazwa);
  if (tryb_ == kTrybGdzieDyzuruje && dok_.Rejony.Istnieje(b))
    return ato.ustaw_tekst(0, dok_.Rejony[b].Nazwa);
  if ((tryb_ == kTrybKtoUczy || tryb_ == kTrybKtoDyzuruje) && dok_.Nauczyciele.Istnieje(b))
    return ato.ustaw_tekst(0, dok_.Nauczyciele[b].NazwaNauczyciela());
  ato.wpisz_kropki(0);
}

bool Tffddysp::ZnakZakazu(int x, int y) const {
  if (x < 0 || y < 0 || !PodmiotIstnieje()) return false;
  const int s = SlotOczka(x, y);
  if (s == kBrakSlotu) return false;
  if (tryb_ == kTrybGdzieDyzuruje) {
    const TDysp& d = dok_.Nauczyciele[podmiot_].Dyspozycja;
    return s < d.Liczba() && d[s].Zakaz != 0;
  }
  if (tryb_ == kTrybKtoDyzuruje) {
    const TDyzury& t = dok_.Dyzury;
    return s < t.LiczbaMomentow() && podmiot_ < t.LiczbaRejonow() &&
           t.Dyzurny(podmiot_, s) == kZamkniete;
  }
  return false;
}

void Tffddysp::Akcja(int x, int y, int& klawisz) {
  if (klawisz == 'Z') {
    PrzelaczZakazy();
    klawisz = 0;
    return;
  }
  const int s = SlotOczka(x, y);
  if (s == kBrakSlotu || !KursorPlanu) return;
  if (instancja_ == kMikroplanKto) {
    KursorPlanu(podmiot_, s);
  } else if (instancja_ == kMikroplanGdzie && tryb_ == kTrybGdzieDyzuruje &&
             static_cast<size_t>(s) < bajty_.size() && bajty_[static_cast<size_t>(s)] != kBrak) {
    KursorPlanu(bajty_[static_cast<size_t>(s)], s);
  }
}

void Tffddysp::PrzelaczZakazy() {
  if (tryb_ != kTrybGdzieDyzuruje || !dok_.Nauczyciele.Istnieje(podmiot_)) return;
  TDokument::TZmiana zmiana = uslugi_.Zmien("Zakaz dyżurowania");
  TDysp& dysp = zmiana.Modele().Nauczyciele[podmiot_].Dyspozycja;
  siatka_->ini_sel_iterator(0);
  int x = 0, y = 0, zDyzurem = 0;
  while (siatka_->sel_iterator(x, y)) {
    const int s = SlotOczka(x, y);
    if (s == kBrakSlotu || s >= dysp.Liczba() || static_cast<size_t>(s) >= bajty_.size()) continue;
    if (bajty_[static_cast<size_t>(s)] != kBrak) {
      ++zDyzurem;
      continue;
    }
    dysp[s].Zakaz = dysp[s].Zakaz ? 0 : 1;
    siatka_->OdswiezCell(x, y);
  }
  komunikat_->setText(zDyzurem == 0
                          ? QString()
                          : QString::fromStdString(
                                "Bez zmian: " + Liczebnik(zDyzurem, "chwila", "chwile", "chwil") +
                                " z dyżurem; zakaz dopiero po usunięciu dyżuru"));
}

}  // namespace velmor
