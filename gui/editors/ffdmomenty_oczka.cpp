// The moments editor's cells: what they show, typing, clicks and paste.
#include <algorithm>

#include "core/archive/cp1250.h"
#include "core/document/dokument.h"
#include "core/grid/edycja.h"
#include "core/grid/tekstoczka.h"
#include "gui/common/uslugi.h"
#include "gui/editors/ffdmomenty.h"
#include "gui/grid/celledi.h"
#include "gui/planning/wspolne.h"

namespace velmor {
namespace {

constexpr int kMaksNazwy = 40;
constexpr int kMaksMinut = 100;
constexpr int kEscape = 27;

// The label of period p of day d, "" when the day has no such period.
std::string EtykietaLekcji(const TDni& dni, int d, int p) {
  if (d < 0 || d >= static_cast<int>(dni.Dni.size())) return {};
  const auto& godziny = dni.Dni[static_cast<size_t>(d)].Godziny;
  return p >= 0 && p < static_cast<int>(godziny.size()) ? godziny[static_cast<size_t>(p)].Nazwa
                                                        : std::string();
}

// Pasted minutes: digits, a leading "-" and separators kept, the whole
// part read and clamped to 0..100.
uint8_t MinutyZTekstu(const std::string& tekst) {
  std::string liczba;
  for (char c : tekst) {
    if ((c >= '0' && c <= '9') || (c == '-' && liczba.empty())) liczba += c;
    else if (c == ',' || c == '.') liczba += '.';
  }
  const bool ujemna = !liczba.empty() && liczba[0] == '-';
  int wartosc = 0;
  for (size_t i = ujemna ? 1 : 0; i < liczba.size() && liczba[i] != '.'; ++i)
    wartosc = std::min(wartosc * 10 + (liczba[i] - '0'), kMaksMinut + 1);
  return static_cast<uint8_t>(ujemna ? 0 : std::min(wartosc, kMaksMinut));
}

}  // namespace

bool Tffdmomenty::JestMoment(int y) const { return y >= 0 && y < dokument_.Momenty.Liczba(); }

void Tffdmomenty::NaWierszach(const std::function<void(int y)>& f) {
  siatka_->ini_sel_iterator(2);
  int x = 0, y = 0;
  while (siatka_->sel_iterator(x, y))
    if (JestMoment(y)) f(y);
}

void Tffdmomenty::Naglowek(int y, TTekstOczka& ato) const {
  if (!JestMoment(y)) return ato.wpisz_kropki(0);
  const TDni& dni = dokument_.Dni;
  const auto [d, p] = dni.DzienILekcja(y);
  ato.ustaw_tekst(
      0, std::to_string(p + 1) + ". " + TDni::NazwaDnia(d, 3) + " " + EtykietaLekcji(dni, d, p));
  if (d < static_cast<int>(dni.Dni.size())) ato.ustaw_kolor(dni.Dni[static_cast<size_t>(d)].Kolor);
}

void Tffdmomenty::Oczko(int x, int y, TTekstOczka& ato) const {
  if (!JestMoment(y)) return ato.wpisz_kropki(0);
  const TMoment& m = dokument_.Momenty[y];
  if (x == 0) ato.ustaw_tekst(0, m.Nazwa);
  else if (x == 1) ato.ustaw_tekst(0, std::to_string(m.Minuty));
  else if (x == 2) ato.ustaw_tekst(0, m.Dluga != 0 ? "Tak" : "");
  ato.ustaw_kolor(m.Kolor);
}

void Tffdmomenty::PodlaczSiatke() {
  TCellEdi& s = *siatka_;
  s.OnTopInfo = [](TCellEdi&, int x, TTekstOczka& ato) {
    static const char* const kNaglowki[] = {"Nazwa przerwy", "Czas [min]", "Długa?"};
    if (x >= 0 && x < 3) ato.ustaw_tekst(0, Utf8DoCp1250(kNaglowki[x]));
  };
  s.OnLeftInfo = [this](TCellEdi&, int y, TTekstOczka& ato) { Naglowek(y, ato); };
  s.OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) { Oczko(x, y, ato); };
  SchowekTekstOczka(s);
  s.OnClipboardToOczko = [this](TCellEdi&, int x, int y, std::string& txt, TStrumienRekordow*) {
    Wklej(x, y, txt);
  };
  s.OnAkcjaEdit = [this](TCellEdi&, int x, int y, int& key, int button) {
    Edycja(x, y, key, button);
  };
  s.OnWklejanie = [this](const std::function<void()>& wklej) {
    TDokument::TZmiana zmiana = uslugi_.Zmien("Wklej");
    wklejane_ = &zmiana.Modele();
    wklej();
    wklejane_ = nullptr;
  };
  s.OnZmianaKomorki = [this](TCellEdi&, int, int) { uslugi_.PrzerwijScalanie(); };
  s.OnLeftTopAkcja = [this](TCellEdi& g, int, Qt::KeyboardModifiers) {
    uslugi_.PokazWyglad(g, {.Proporcjonalnie = true});
  };
}

// The cursor moment's new value goes to every selected row.
void Tffdmomenty::Edycja(int x, int y, int& key, int button) {
  if (!JestMoment(y)) {
    if (key != kEscape) key = 0;  // Esc still closes the window
    return;
  }
  // Keys typed into one cell make one step.
  TDokument::TZmiana zmiana =
      uslugi_.Zmien("Wpisz", button == 0 ? "momenty " + std::to_string(x) + " " + std::to_string(y)
                                         : std::string());
  TMomenty& momenty = zmiana.Modele().Momenty;
  if (x == 0) {
    edytuj_tekst(uslugi_.StanEdycji(), momenty[y].Nazwa, key, kMaksNazwy, false);
    const std::string nazwa = momenty[y].Nazwa;
    NaWierszach([&](int w) { momenty[w].Nazwa = nazwa; });
  } else if (x == 1) {
    double minuty = momenty[y].Minuty;
    if (edytuj_liczbe(uslugi_.StanEdycji(), minuty, key, button, 5, 0, kMaksMinut, 0, this, x, y)) {
      NaWierszach([&](int w) { momenty[w].Minuty = static_cast<uint8_t>(minuty); });
    }
  } else if (x == 2 && button == 1) {
    const uint8_t dluga = momenty[y].Dluga != 0 ? 0 : 1;
    NaWierszach([&](int w) { momenty[w].Dluga = dluga; });
  }
  siatka_->OdswiezCol(x);
}

void Tffdmomenty::Wklej(int x, int y, const std::string& tekst) {
  if (!wklejane_ || !JestMoment(y) || x < 0 || x > 2) return;
  TMoment& m = wklejane_->Momenty[y];
  if (x == 0) m.Nazwa = tekst;
  else if (x == 1) m.Minuty = MinutyZTekstu(tekst);
  else m.Dluga = tekst == "TAK" ? 1 : 0;
}

void Tffdmomenty::JakWPlanieLekcji() {
  TDokument::TZmiana zmiana = uslugi_.Zmien("Jak w planie lekcji");
  NaWierszach([&](int y) {
    const auto [d, p] = dokument_.Dni.DzienILekcja(y);
    zmiana.Modele().Momenty[y].Nazwa = "przed " + EtykietaLekcji(dokument_.Dni, d, p);
  });
  siatka_->OdswiezAll();
}

void Tffdmomenty::Koloruj(uint32_t kolor) {
  TDokument::TZmiana zmiana = uslugi_.Zmien("Koloruj");
  NaWierszach([&](int y) {
    zmiana.Modele().Momenty[y].Kolor = kolor;
    siatka_->OdswiezRow(y);
  });
}

}  // namespace velmor
