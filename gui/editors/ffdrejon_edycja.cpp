// The regions editor's cells: their texts, typing, clicks and pasting.
#include <QLabel>

#include "core/document/dokument.h"
#include "core/grid/edycja.h"
#include "gui/common/uslugi.h"
#include "gui/editors/ffdodaj.h"
#include "gui/editors/ffdrejon.h"
#include "gui/grid/celledi.h"
#include "gui/grid/klawisze.h"
#include "gui/grid/tekst.h"
#include "gui/planning/towarzysze.h"
#include "gui/planning/wspolne.h"

namespace velmor {

void Tffdrejon::PodlaczSiatke() {
  TCellEdi& s = *siatka_;
  s.OnTopInfo = [](TCellEdi&, int x, TTekstOczka& ato) {
    ato.ustaw_tekst(0, x == 0 ? "Nazwa" : "Sale");
  };
  s.OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) { Oczko(x, y, ato); };
  SchowekTekstOczka(s);
  s.OnClipboardToOczko = [this](TCellEdi&, int x, int y, std::string& txt, TStrumienRekordow*) {
    Wklej(x, y, txt);
  };
  s.OnAkcjaEdit = [this](TCellEdi&, int x, int y, int& klawisz, int button) {
    Akcja(x, y, klawisz, button);
  };
  s.OnZmianaKomorki = [this](TCellEdi&, int, int staryY) {
    uslugi_.PrzerwijScalanie();  // keys typed elsewhere are a new step
    ZmianaKomorki(staryY);
  };
  s.OnWklejanie = [this](const std::function<void()>& wklej) {
    TDokument::TZmiana zmiana = uslugi_.Zmien("Wklej");
    wklejane_ = &zmiana.Modele();
    wklej();
    wklejane_ = nullptr;
  };
  s.OnLeftTopAkcja = [this](TCellEdi& g, int, Qt::KeyboardModifiers) {
    uslugi_.PokazWyglad(g, {.Proporcjonalnie = true});
  };
}

std::string Tffdrejon::TekstSal(int r) const {
  std::string tekst;
  const TWektor<uint8_t>& sale = dok_.Rejony[r].SaleRejonu;
  for (int i = 0; i < sale.Liczba(); ++i) {
    if (i > 0) tekst += ',';
    if (dok_.Sale.Istnieje(sale[i])) tekst += dok_.Sale[sale[i]].Nazwa;
  }
  return tekst;
}

void Tffdrejon::Oczko(int x, int y, TTekstOczka& ato) const {
  if (!JestRejon(y)) return ato.wpisz_kropki(0);
  const TRejon& rejon = dok_.Rejony[y];
  const bool pusta = x == 0 ? rejon.Nazwa.empty() : rejon.SaleRejonu.Liczba() == 0;
  if (pusta) return ato.wpisz_nieznany(0);
  ato.ustaw_tekst(0, x == 0 ? rejon.Nazwa : TekstSal(y));
  ato.ustaw_kolor(rejon.Kolor);
}

void Tffdrejon::Akcja(int x, int y, int& klawisz, int button) {
  if (klawisz == VK_ESCAPE) return;  // left for the window, which closes
  if (!JestRejon(y)) {
    klawisz = 0;
    return;
  }
  const TWektor<uint8_t>& sale = dok_.Rejony[y].SaleRejonu;
  if (x == 0 && button == 2) Mikroplan(kMikroplanRejonu, kTrybKtoDyzuruje, y);
  else if (x == 0) EdytujNazwe(y, klawisz);
  else if (button == 1) WybierzSale(y);
  else if (button == 2 && sale.Liczba() > 0 && dok_.Sale.Istnieje(sale[0]))
    Mikroplan(kMikroplanSali, kTrybKtoUczy, sale[0]);
  siatka_->OdswiezCol(x);
}

// Whatever the key did, the selected rows take the name.
void Tffdrejon::EdytujNazwe(int y, int& klawisz) {
  TDokument::TZmiana zmiana = uslugi_.Zmien("Wpisz", "rejony " + std::to_string(y));
  TRejony& rejony = zmiana.Modele().Rejony;
  edytuj_tekst(uslugi_.StanEdycji(), rejony[y].Nazwa, klawisz, kMaksNazwa, false);
  const std::string nazwa = rejony[y].Nazwa;
  NaWierszach([&](int r) { rejony[r].Nazwa = nazwa; });
}

// The picker edits a copy; the selected rows take it unless left with Esc.
void Tffdrejon::WybierzSale(int y) {
  TWektor<uint8_t> sale = dok_.Rejony[y].SaleRejonu;
  if (!sale_.Wybierz(sale)) return;
  TDokument::TZmiana zmiana = uslugi_.Zmien("Sale rejonu");
  NaWierszach([&](int r) { zmiana.Modele().Rejony[r].SaleRejonu = sale; });
}

void Tffdrejon::Mikroplan(TMikroplan okno, TTrybMikroplanu tryb, int podmiot) {
  if (Tffddysp* mikroplan = towarzysze_.Mikroplan(okno))
    mikroplan->pokaz_mikroplan(tryb, podmiot, 0);
}

// Room names not found are dropped; the whole text is split.
void Tffdrejon::Wklej(int x, int y, const std::string& tekst) {
  if (!wklejane_ || !JestRejon(y)) return;
  TRejon& rejon = wklejane_->Rejony[y];
  if (x == 0) {
    rejon.Nazwa = tekst;
  } else if (x == 1) {
    rejon.SaleRejonu = {};
    for (size_t poczatek = 0; poczatek <= tekst.size();) {
      const size_t koniec = std::min(tekst.find(',', poczatek), tekst.size());
      const std::string_view kawalek(tekst.data() + poczatek, koniec - poczatek);
      if (!kawalek.empty())
        if (const uint8_t sala = dok_.Sale.ZnajdzSale(kawalek); dok_.Sale.Istnieje(sala))
          rejon.SaleRejonu.Dodaj(sala);
      poczatek = koniec + 1;
    }
  }
}

void Tffdrejon::ZmianaKomorki(int staryY) {
  const int y = siatka_->Kury();
  if (y != staryY && JestRejon(y) && dok_.Rejony[y].SaleRejonu.Liczba() > 0)
    status_->setText(QTekst(TekstSal(y)));
}

}  // namespace velmor
