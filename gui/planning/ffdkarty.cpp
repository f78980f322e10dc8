#include "gui/planning/ffdkarty.h"

#include <algorithm>

#include "core/archive/cp1250.h"
#include "core/archive/liczebnik.h"
#include "core/document/dokument.h"
#include "core/eksport/wspolne.h"
#include "core/planning/ogolne.h"
#include "gui/grid/celledi.h"
#include "gui/planning/wspolne.h"

namespace velmor {
namespace {

const char* const kKolumny[] = {"Dzień", "Przerwa", "Rejon", "Minuty"};

}  // namespace

Tffdkarty::Tffdkarty(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic)
    : TRamkaRaportu(dokument, uslugi, "ffdkarty", "Dyżury nauczycieli", 260, rodzic) {
  UstawNaglowki(*siatka_, kKolumny);
  siatka_->UstawSzerInfo(20);
  siatka_->UstawSzerIo(0, 200);
  siatka_->UstawSzerIo(1, 130);
  siatka_->UstawSzerIo(2, 160);
  siatka_->UstawSzerIo(3, 60);
  siatka_->OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) { Oczko(x, y, ato); };
  resize(620, 480);
}

int Tffdkarty::Przelicz() {
  const TObciazenia obc = TOgolne(dok_).policz_obciazenia();
  dyzury_ = obc.Dyzury;
  minuty_ = obc.Minuty;
  wiersze_.clear();
  for (int t = 0; t < dok_.Nauczyciele.Liczba(); ++t) {
    wiersze_.push_back({TWiersz::kNazwisko, t});
    for (const TDyzur& d : DyzuryNauczyciela(dok_, t))
      wiersze_.push_back({TWiersz::kDyzur, t, d.Moment, d.Rejon});
    wiersze_.push_back({TWiersz::kSuma, t});
    wiersze_.push_back({TWiersz::kOdstep, t});
  }
  return static_cast<int>(wiersze_.size());
}

void Tffdkarty::Oczko(int x, int y, TTekstOczka& ato) const {
  if (y < 0 || y >= static_cast<int>(wiersze_.size())) return;
  const TWiersz& w = wiersze_[static_cast<size_t>(y)];
  const auto t = static_cast<size_t>(w.Nauczyciel);
  switch (w.Rodzaj) {
    case TWiersz::kNazwisko:
      if (x == 0) ato.ustaw_tekst(0, dok_.Nauczyciele[w.Nauczyciel].NazwaNauczyciela());
      ato.ustaw_kolor(dok_.Nauczyciele[w.Nauczyciel].Kolor);
      break;
    case TWiersz::kDyzur:  // a moment of the list (see DyzuryNauczyciela)
      if (x == 0) ato.ustaw_tekst(0, TDni::NazwaDnia(dok_.Dni.DzienILekcja(w.Moment).first, 0));
      if (x == 1) ato.ustaw_tekst(0, dok_.Momenty[w.Moment].Nazwa);
      if (x == 2 && dok_.Rejony.Istnieje(w.Rejon)) ato.ustaw_tekst(0, dok_.Rejony[w.Rejon].Nazwa);
      if (x == 3) ato.ustaw_tekst(0, std::to_string(dok_.Momenty[w.Moment].Minuty));
      break;
    case TWiersz::kSuma:
      if (x == 0)
        ato.ustaw_tekst(
            0, Utf8DoCp1250("Razem: " + Liczebnik(dyzury_[t], "dyżur", "dyżury", "dyżurów")));
      if (x == 3) ato.ustaw_tekst(0, std::to_string(minuty_[t]));
      break;
    case TWiersz::kOdstep: break;
  }
}

}  // namespace velmor
