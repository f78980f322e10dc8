// The duty plan editor's table commands and its companion windows.
#include <QCheckBox>
#include <QToolButton>
#include <algorithm>

#include "core/document/dokument.h"
#include "core/planning/optimum.h"
#include "core/planning/wpis.h"
#include "gui/grid/celledi.h"
#include "gui/grid/klawisze.h"
#include "gui/planning/ffddyzur.h"
#include "gui/planning/ffdoptimum.h"
#include "gui/planning/ffdplann.h"
#include "gui/planning/ffdstat.h"
#include "gui/planning/ffdwynikopt.h"
#include "gui/planning/towarzysze.h"

namespace velmor {

void Tffddyzur::NaZaznaczonych(const std::function<void(int r, int m)>& f) {
  siatka_->ini_sel_iterator(0);
  int x = 0, y = 0;
  while (siatka_->sel_iterator(x, y))
    if (WTabeli(komorki_planu::Rejon(x), komorki_planu::Moment(y)))
      f(komorki_planu::Rejon(x), komorki_planu::Moment(y));
}

void Tffddyzur::WpiszRecznie(int litera) {
  if (!WybierzNauczyciela) return;
  TDokument::TZmiana krok = uslugi_.Zmien("Wpisz nieautomatycznie");
  const int obecny = NauczycielKursora();
  std::vector<int> nauczyciele;
  for (int t = 0; t < dokument_.Nauczyciele.Liczba(); ++t)
    if (t != obecny) nauczyciele.push_back(t);
  const int t = WybierzNauczyciela(nauczyciele, litera, MomentKursora());
  if (t < 0 || t >= dokument_.Nauczyciele.Liczba()) return;
  NaZaznaczonych([&](int r, int m) {
    if (dokument_.Dyzury.Dyzurny(r, m) != kZamkniete)
      krok.Modele().Dyzury.UstawDyzurnego(r, m, static_cast<uint8_t>(t));
  });
}

void Tffddyzur::Usun() {
  TDokument::TZmiana zmiana = uslugi_.Zmien("Usuń");
  NaZaznaczonych([&](int r, int m) {
    if (dokument_.Dyzury.Dyzurny(r, m) < dokument_.Nauczyciele.Liczba())
      zmiana.Modele().Dyzury.UstawDyzurnego(r, m, kBrak);
  });
}

void Tffddyzur::ZakazWpisu() {
  TDokument::TZmiana zmiana = uslugi_.Zmien("Zakaz wpisu");
  NaZaznaczonych([&](int r, int m) {
    const bool zamkniete = dokument_.Dyzury.Dyzurny(r, m) == kZamkniete;
    zmiana.Modele().Dyzury.UstawDyzurnego(r, m, zamkniete ? kBrak : kZamkniete);
  });
}

void Tffddyzur::WpiszAutomatycznie() {
  // The whole run is one step, also when it is stopped half way.
  TDokument::TZmiana zmiana = uslugi_.Zmien("Wpisz automatycznie");
  wpisz_warianty(zmiana.Modele(), !automatycznie_->isChecked());
}

void Tffddyzur::WpiszOptymalnie() {
  // Cut to the table, so the result window counts the cells the run saw.
  TObszar obszar = ObszarZaznaczenia();
  obszar.RejonOd = std::max(obszar.RejonOd, 0);
  obszar.MomentOd = std::max(obszar.MomentOd, 0);
  obszar.RejonDo = std::min(obszar.RejonDo, dokument_.Dyzury.LiczbaRejonow() - 1);
  obszar.MomentDo = std::min(obszar.MomentDo, dokument_.Dyzury.LiczbaMomentow() - 1);
  if (obszar.RejonOd > obszar.RejonDo || obszar.MomentOd > obszar.MomentDo) return;
  int przed = 0;
  for (int r = obszar.RejonOd; r <= obszar.RejonDo; ++r)
    for (int m = obszar.MomentOd; m <= obszar.MomentDo; ++m)
      przed += dokument_.Dyzury.Dyzurny(r, m) < kBrak;
  const TZasadyOceny zasady = TZasadyOceny::Z(dokument_.Opcje, true);
  TModele kopia = dokument_;
  Tffdoptimum postep(this);
  const TWynikOptimum wynik =
      postep.Szukaj(kopia, obszar, zasady, TUstawieniaOptimum::Z(dokument_.Opcje));
  {
    TDokument::TZmiana zmiana = uslugi_.Zmien("Wpisz optymalnie");
    zmiana.Modele().Dyzury = kopia.Dyzury;
  }
  wynikOpt_->Pokaz(dokument_, obszar, zasady, wynik, przed);
}

TObszar Tffddyzur::ObszarZaznaczenia() const {
  const TZaznaczenie z = siatka_->Zaznaczenie();
  return {komorki_planu::RejonKolumny(z.Left), komorki_planu::RejonKolumny(z.Right),
          komorki_planu::MomentWiersza(z.Top), komorki_planu::MomentWiersza(z.Bottom)};
}

bool Tffddyzur::wpisz_warianty(TModele& modele, bool pokaz) {
  TWyborAutomatyczny automatyczny;
  TWyborWariantu* wybor = pokaz ? ListaWariantow : &automatyczny;
  if (!wybor) return false;
  TListaWariantow lista;
  return velmor::wpisz_warianty(modele, ObszarZaznaczenia(),
                                TZasadyOceny::Z(dokument_.Opcje, !pokaz), *wybor, lista,
                                [this](int r, int m) {
                                  siatka_->OdswiezCell(komorki_planu::X(r), komorki_planu::Y(m));
                                }) > 0;
}

void Tffddyzur::Akcja(int& key, int button, Qt::KeyboardModifiers shift) {
  if (!polecenia_[kRecznie]->isEnabled()) return;  // no table to act on
  if (button == 1) return WpiszAutomatycznie();
  if (button == 2) return WpiszRecznie(0);
  if (button != 0 || (shift & (Qt::ControlModifier | Qt::AltModifier))) return;
  const int k = key;
  if (k == 'Z' || k == VK_DELETE || (k >= 'A' && k <= 'Y')) key = 0;
  if (k == 'Z') ZakazWpisu();
  else if (k == VK_DELETE) Usun();
  else if (k >= 'A' && k <= 'Y') WpiszRecznie(k);
}

int Tffddyzur::RejonKursora() const {
  const int r = komorki_planu::Rejon(siatka_->Kurx());
  return r >= 0 && r < dokument_.Dyzury.LiczbaRejonow() ? r : -1;
}

int Tffddyzur::MomentKursora() const {
  const int m = komorki_planu::Moment(siatka_->Kury());
  return m >= 0 && m < dokument_.Dyzury.LiczbaMomentow() ? m : kBrakSlotu;
}

int Tffddyzur::NauczycielKursora() const {
  const int r = komorki_planu::Rejon(siatka_->Kurx()), m = komorki_planu::Moment(siatka_->Kury());
  if (!WTabeli(r, m)) return -1;
  const int t = dokument_.Dyzury.Dyzurny(r, m);
  return t < dokument_.Nauczyciele.Liczba() ? t : -1;
}

void Tffddyzur::OdswiezTowarzyszy() {
  const int r = RejonKursora(), m = MomentKursora(), t = NauczycielKursora();
  const auto wcisniety = [this](TTowarzysz i) { return przelaczniki_[i]->isChecked(); };
  if (t >= 0) {
    if (wcisniety(kGdzieDyzuruje)) towarzysze_.PokazGdzieDyzuruje(t, m);
    if (wcisniety(kGdzieUczy)) towarzysze_.PokazGdzieUczy(t, m);
    if (wcisniety(kPlanNauczycieli)) towarzysze_.PokazPlanNauczycieli(t, m);
    if (wcisniety(kStatystyka)) towarzysze_.PokazStatystyke(t);
  }
  if (r >= 0 && wcisniety(kKtoDyzuruje)) towarzysze_.PokazKtoDyzuruje(r, m);
  if (isVisible()) siatka_->setFocus();
}

QWidget* Tffddyzur::OknoTowarzysza(int i) const {
  switch (i) {
    case kGdzieDyzuruje: return towarzysze_.Mikroplan(kMikroplanGdzie);
    case kGdzieUczy: return towarzysze_.Mikroplan(kMikroplanGlowny);
    case kKtoDyzuruje: return towarzysze_.Mikroplan(kMikroplanKto);
    case kPlanNauczycieli: return towarzysze_.PlanNauczycieli;
    case kStatystyka: return towarzysze_.Statystyka;
    default: return nullptr;
  }
}

void Tffddyzur::PrzelaczTowarzysza(int i, bool wcisniety) {
  if (QWidget* okno = OknoTowarzysza(i); !wcisniety && okno) okno->close();
  OdswiezTowarzyszy();
}

}  // namespace velmor
