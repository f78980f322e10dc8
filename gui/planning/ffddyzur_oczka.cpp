// What the duty plan grid shows: labels, teachers, colours, the day
// separator and the no-entry mark.
#include <QPainter>

#include "core/document/dokument.h"
#include "core/grid/tekstoczka.h"
#include "gui/common/uslugi.h"
#include "gui/grid/celledi.h"
#include "gui/grid/grafoczka.h"
#include "gui/planning/ffddyzur.h"

namespace velmor {
namespace {

constexpr uint32_t kKolorSeparatora = 0x00FF0000;  // blue

void Naglowek(const TModele& d, int r, TTekstOczka& ato) {
  if (r >= d.Rejony.Liczba()) return ato.wpisz_kropki(0);
  ato.ustaw_tekst(0, d.Rejony[r].Nazwa);
  ato.ustaw_kolor(d.Rejony[r].Kolor);
}

void Etykieta(const TModele& d, int m, TTekstOczka& ato) {
  if (m >= d.Momenty.Liczba()) return ato.wpisz_kropki(0);
  ato.ustaw_tekst(0, d.EtykietaMomentu(m));
  ato.ustaw_kolor(d.Momenty[m].Kolor);
}

void Dyzur(const TModele& d, int r, int m, TTekstOczka& ato) {
  const uint8_t t = d.Dyzury.Dyzurny(r, m);
  if (t < d.Nauczyciele.Liczba()) {
    ato.ustaw_tekst(0, d.Nauczyciele[t].NazwaNauczyciela());
    if (d.Opcje.KolorNauczyciela()) ato.ustaw_kolor(d.Nauczyciele[t].Kolor);
  } else if (t == kBrak) {
    ato.wpisz_kropki(0);
  }
  if (m >= d.Momenty.Liczba()) return;
  if (d.Momenty[m].Kolor != kKolorDomyslny) ato.ustaw_kolor(d.Momenty[m].Kolor);
  const auto [dzien, lekcja] = d.Dni.DzienILekcja(m);
  if (lekcja == 0 && dzien != 0) {
    ato.BokiRamki = kBokGora;
    ato.GruboscRamki = 2;
    ato.KolorRamki = kKolorSeparatora;
  }
}

}  // namespace

void Tffddyzur::Oczko(int x, int y, TTekstOczka& ato) const {
  if (x == 0 && y == 0) return;
  const int r = komorki_planu::Rejon(x), m = komorki_planu::Moment(y);
  if (y == 0) return Naglowek(dokument_, r, ato);
  if (x == 0) return Etykieta(dokument_, m, ato);
  if (WTabeli(r, m)) Dyzur(dokument_, r, m, ato);
}

std::string Tffddyzur::TekstOczka(int x, int y) const {
  TTekstOczka ato;
  Oczko(x, y, ato);
  const std::string tekst = ato.daj_tekst(0);
  return tekst.substr(0, tekst.find_first_of("\r\n"));
}

bool Tffddyzur::WTabeli(int r, int m) const {
  return r >= 0 && m >= 0 && r < dokument_.Dyzury.LiczbaRejonow() &&
         m < dokument_.Dyzury.LiczbaMomentow();
}

void Tffddyzur::PodlaczSiatke() {
  TCellEdi& s = *siatka_;
  s.OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) { Oczko(x, y, ato); };
  s.OnGrafOczko = [this](TCellEdi& g, QPainter& p, int x, int y, int x0, int y0) {
    const int r = komorki_planu::Rejon(x), m = komorki_planu::Moment(y);
    if (!WTabeli(r, m) || dokument_.Dyzury.Dyzurny(r, m) != kZamkniete) return;
    TGrafOczkaRys(p, x0, y0, g.SzerIo(x), g.WysIo(y)).kresl_zakaz(1, 1, 6);
  };
  s.OnOczkoToClipboard = [this](TCellEdi&, int x, int y, std::string& txt, TStrumienRekordow*) {
    txt = TekstOczka(x, y);
  };
  s.OnLeftTopAkcja = [this](TCellEdi& g, int, Qt::KeyboardModifiers) {
    uslugi_.PokazWyglad(g, {.StaleKolumny = true, .StaleWiersze = true});
  };
  s.OnAkcja = [this](TCellEdi&, int, int, int& key, int button, Qt::KeyboardModifiers shift) {
    Akcja(key, button, shift);
  };
  s.OnZmianaKomorki = [this](TCellEdi&, int, int) { OdswiezTowarzyszy(); };
}

}  // namespace velmor
