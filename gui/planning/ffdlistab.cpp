#include "gui/planning/ffdlistab.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/archive/cp1250.h"
#include "core/document/dokument.h"
#include "gui/common/pomoc.h"
#include "gui/common/ramka.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/grid/celledi.h"
#include "gui/grid/grafoczka.h"
#include "gui/grid/klawisze.h"

namespace velmor {
namespace {

constexpr const char* kNaglowki[] = {"Nauczyciel", "Komunikat", "Moc"};
constexpr int kSzerokosci[] = {120, 240, 30};

}  // namespace

Tffdlistab::Tffdlistab(const TModele& modele, TUslugiOkna& uslugi, QWidget* rodzic)
    : TRamkaListy("ffdlistab", "Lista wariantów", "Zamknij nie wpisując wariantu", uslugi, rodzic),
      modele_(modele) {
  panel_->addStretch();
  siatka_->UstawIlx(3);
  siatka_->UstawWysInfo(28);
  for (int x = 0; x < 3; ++x) siatka_->UstawSzerIo(x, kSzerokosci[x]);
  PodlaczSiatke();
  PodlaczDialogi(*siatka_, uslugi, {.Proporcjonalnie = true});
  resize(480, 360);
  uslugi.OknaStopki().Zarejestruj(kOknoWarianty, this, siatka_);
}

const TWariant* Tffdlistab::Wiersz(int y) const {
  const auto& w = lista_->Warianty();
  return y >= 0 && y < static_cast<int>(w.size()) ? &w[static_cast<size_t>(y)] : nullptr;
}

void Tffdlistab::PodlaczSiatke() {
  TCellEdi& s = *siatka_;
  s.OnTopInfo = [](TCellEdi&, int x, TTekstOczka& ato) {
    if (x >= 0 && x < 3) ato.ustaw_tekst(0, kNaglowki[x]);
  };
  s.OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) {
    const TWariant* w = Wiersz(y);
    if (!w) return ato.wpisz_kropki(0);
    ato.ustaw_kolor(KolorWariantu(*w));
    if (x == 0 && w->nauczyciel < modele_.Nauczyciele.Liczba())
      ato.ustaw_tekst(0, modele_.Nauczyciele[w->nauczyciel].NazwaNauczyciela());
    else if (x == 1 && w->komunikat >= 0 && w->komunikat < kBezKomunikatu)
      ato.ustaw_tekst(0, Utf8DoCp1250(KomunikatWariantu(w->komunikat)));
    else if (x == 2) ato.ustaw_tekst(0, std::to_string(w->moc));
    else ato.wpisz_kropki(0);
  };
  s.OnGrafOczko = [this](TCellEdi& g, QPainter& p, int x, int y, int x0, int y0) {
    if (y != -1 || x != lista_->Kolumna()) return;
    TGrafOczkaRys(p, x0, y0, g.SzerIo(x), g.WysInfo()).kresl_trojkat(1, 2, false, 0x00000000);
  };
  s.OnTopInfoAkcja = [this](TCellEdi&, int x, int, Qt::KeyboardModifiers) {
    if (x >= 0 && x < 3) sortuj_warianty(x);
  };
  s.OnAkcja = [this](TCellEdi&, int, int, int&, int button, Qt::KeyboardModifiers) {
    if (button == 1) accept();
  };
  s.OnZmianaKomorki = [this](TCellEdi& g, int, int staryY) {
    const TWariant* w = Wiersz(g.Kury());
    if (!w || g.Kury() == staryY) return;
    if (Towarzysze) Towarzysze(w->nauczyciel, lista_->Moment());
    if (isVisible()) g.setFocus();
  };
}

void Tffdlistab::sortuj_warianty(int kolumna) {
  lista_->sortuj_warianty(kolumna);
  siatka_->OdswiezAll();
}

int Tffdlistab::wybierz_wariant(TListaWariantow& lista) { return wybierz_wariant(lista, true); }

int Tffdlistab::wybierz_wariant(TListaWariantow& lista, bool pokaz) {
  if (lista.Warianty().empty()) return kBezWyboru;
  lista_ = &lista;
  sortuj_warianty(2);
  anulowano_ = false;
  int wiersz = 0;
  if (pokaz) {
    siatka_->UstawIlx(3);  // settings read from a file may bring another count
    siatka_->UstawIly(static_cast<int>(lista.Warianty().size()));
    siatka_->UstawKursor(0, 0);
    siatka_->setFocus();
    exec();
    wiersz = siatka_->Kury();
  }
  lista_ = &wlasna_;
  if (anulowano_) return kWyborPrzerwany;
  return lista.Wybor(wiersz, pokaz);
}

// Closing chooses the cursor row, which may not be an excluded one.
void Tffdlistab::done(int wynik) {
  const TWariant* w = Wiersz(siatka_->Kury());
  if (!anulowano_ && w && Wykluczony(*w)) return;
  QDialog::done(wynik);
}

}  // namespace velmor
