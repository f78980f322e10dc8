// What the limits grid shows, and its edits by keys, clicks and paste.
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cstdint>

#include "core/document/dokument.h"
#include "core/grid/edycja.h"
#include "core/grid/tekstoczka.h"
#include "core/planning/ogolne.h"
#include "gui/common/uslugi.h"
#include "gui/editors/ffdnaucz.h"
#include "gui/grid/celledi.h"
#include "gui/grid/grafoczka.h"
#include "gui/grid/klawisze.h"
#include "gui/planning/ffddysp.h"
#include "gui/planning/towarzysze.h"
#include "gui/planning/wspolne.h"

namespace velmor {
namespace {

constexpr uint32_t kKolorZakazow = 0x000000FF;  // red
constexpr int kKolumn = 4;
constexpr int kNajwiecejDyzurow = 100, kNajwiecejMinut = 200;

std::string Tekst(int liczba) { return std::to_string(liczba); }

// "7 (2)" gives 7: the word before the first blank, its digits, a leading
// "-" and the separators kept, read by its leading digits. No blank, no
// digits: 0.
int LiczbaWklejona(const std::string& tekst) {
  const size_t blank = tekst.find(' ');
  const std::string slowo = blank == std::string::npos ? std::string() : tekst.substr(0, blank);
  std::string czysty;
  for (char c : slowo) {
    if ((c >= '0' && c <= '9') || c == '.' || c == ',' || (c == '-' && czysty.empty()))
      czysty += c == ',' ? '.' : c;
  }
  const bool minus = !czysty.empty() && czysty[0] == '-';
  int64_t wartosc = 0;
  for (size_t i = minus ? 1 : 0; i < czysty.size() && czysty[i] != '.'; ++i)
    wartosc = std::min<int64_t>(wartosc * 10 + (czysty[i] - '0'), 1'000'000);
  return static_cast<int>(minus ? -wartosc : wartosc);
}

}  // namespace

void Tffdnaucz::PodlaczSiatke() {
  TCellEdi& s = *siatka_;
  s.OnTopInfo = [this](TCellEdi&, int x, TTekstOczka& ato) { Naglowek(x, ato); };
  s.OnOczko = [this](TCellEdi&, int x, int y, TTekstOczka& ato) { Oczko(x, y, ato); };
  s.OnGrafOczko = [this](TCellEdi&, QPainter& p, int x, int y, int x0, int y0) {
    ZnakSortowania(p, x, y, x0, y0);
  };
  SchowekPierwszaLinia(s);
  s.OnClipboardToOczko = [this](TCellEdi&, int x, int y, std::string& txt, TStrumienRekordow*) {
    Wklej(x, y, txt);
  };
  s.OnTopInfoAkcja = [this](TCellEdi&, int x, int, Qt::KeyboardModifiers) { Sortuj(x); };
  s.OnWklejanie = [this](const std::function<void()>& wklej) {
    TDokument::TZmiana zmiana = uslugi_.Zmien("Wklej");
    wklejane_ = &zmiana.Modele();
    wklej();
    wklejane_ = nullptr;
  };
  s.OnAkcjaEdit = [this](TCellEdi&, int x, int y, int& key, int button) {
    Edytuj(x, y, key, button);
  };
  s.OnZmianaKomorki = [this](TCellEdi&, int, int) {
    uslugi_.PrzerwijScalanie();  // keys typed elsewhere are a new step
    // A number left untaken is dropped: back in the cell, typing starts anew.
    if (uslugi_.StanEdycji().Wlasciciel == this) uslugi_.StanEdycji().x = -1;
    komunikat_->clear();
    PoRuchuKursora();
  };
  s.OnLeftTopAkcja = [this](TCellEdi& g, int, Qt::KeyboardModifiers) {
    uslugi_.PokazWyglad(g, {});
  };
}

void Tffdnaucz::Naglowek(int x, TTekstOczka& ato) const {
  static const char* const kNaglowki[] = {"Kto?", "Ile razy?", "Ile minut?", "Dyspozycja"};
  if (x >= 0 && x < kKolumn) ato.ustaw_tekst(0, kNaglowki[x]);
}

void Tffdnaucz::Oczko(int x, int y, TTekstOczka& ato) const {
  const int t = Nauczyciel(y);
  if (t < 0) return ato.wpisz_kropki(0);
  const TNaucz& n = dok_.Nauczyciele[t];
  ato.ustaw_kolor(n.Kolor);
  switch (x) {
    case 0:
      ato.ustaw_tekst(
          0, n.Nazwisko + " " + n.Imie + " (" + Tekst(TOgolne(dok_).liczba_lekcji(t)) + ")");
      break;
    case 1:
      ato.ustaw_tekst(0, TekstLimitu(x, y, n.LimitDyzurow) + " (" + Tekst(Dyzury(t)) + ")");
      break;
    case 2:
      ato.ustaw_tekst(0, TekstLimitu(x, y, n.LimitMinut) + " (" + Tekst(Minuty(t)) + ")");
      break;
    case 3:
      if (Zakazy(t) < 1) break;
      ato.ustaw_tekst(0, Tekst(Zakazy(t)));
      ato.ustaw_kolor(kKolorZakazow);
      break;
    default: break;
  }
}

// A black triangle pointing down at the bottom of the sort column's header.
void Tffdnaucz::ZnakSortowania(QPainter& p, int x, int y, int x0, int y0) const {
  if (y != -1 || x != kolumnaSortowania_) return;
  TGrafOczkaRys(p, x0, y0, siatka_->SzerIo(x), siatka_->WysInfo()).kresl_trojkat(1, 2, false, 0);
}

// Column 0 by teacher; the others by their number, the most first, ties by
// the higher teacher first.
void Tffdnaucz::Sortuj(int k) {
  if (k < 0 || k >= kKolumn) return;
  kolumnaSortowania_ = k;
  const int liczba = dok_.Nauczyciele.Liczba();
  const auto klucz = [this, k, liczba](int t) {
    if (t < 0 || t >= liczba) return 0;
    return k == 1 ? Dyzury(t) : k == 2 ? Minuty(t) : Zakazy(t);
  };
  std::sort(kolejnosc_.begin(), kolejnosc_.end(), [&](int a, int b) {
    if (k == 0) return a < b;
    const int ka = klucz(a), kb = klucz(b);
    return ka != kb ? ka > kb : a > b;
  });
  // A number being typed belonged to the teacher the row showed before.
  if (uslugi_.StanEdycji().Wlasciciel == this) uslugi_.StanEdycji().x = -1;
  siatka_->OdswiezAll();
}

void Tffdnaucz::Edytuj(int x, int y, int& key, int button) {
  const int t = Nauczyciel(y);
  if (t < 0) {
    if (key != VK_ESCAPE) key = 0;  // Escape still closes the window
    return;
  }
  switch (x) {
    case 0:
      if (button == 1) towarzysze_.PokazGdzieUczy(t, Tffddysp::kBezMomentu);
      break;
    case 1:
      EdytujLimit(&TNaucz::LimitDyzurow, x, y, key, button, 1, Dyzury(t), kNajwiecejDyzurow);
      break;
    case 2:
      EdytujLimit(&TNaucz::LimitMinut, x, y, key, button, 10, Minuty(t), kNajwiecejMinut);
      break;
    case 3:
      if (button == 1) towarzysze_.PokazGdzieDyzuruje(t, Tffddysp::kBezMomentu);
      break;
    default: break;
  }
  siatka_->OdswiezCol(x);
}

// The limit, or the number being typed into its cell that was not taken.
std::string Tffdnaucz::TekstLimitu(int x, int y, int limit) const {
  const TStanEdycji& stan = uslugi_.StanEdycji();
  return Nieprzyjeta(stan, this, x, y) ? stan.Bufor : Tekst(limit);
}

// The value taken goes to the teacher of every selected row. A number below
// what the teacher has waits in its cell; Enter says why it is not taken.
void Tffdnaucz::EdytujLimit(int32_t TNaucz::*limit, int x, int y, int& key, int button, double krok,
                            int min, int max) {
  TDokument::TZmiana zmiana = uslugi_.Zmien(
      "Wpisz", button == 0 ? "limity " + std::to_string(x) + " " + std::to_string(y) : "");
  komunikat_->clear();
  if (key == kKlawiszEnter && Nieprzyjeta(uslugi_.StanEdycji(), this, x, y)) {
    komunikat_->setText(QString::fromUtf8("Nie mniej niż %1: tyle nauczyciel już ma w planie "
                                          "dyżurów")
                            .arg(min));
    key = 0;
    return;
  }
  double wartosc = dok_.Nauczyciele[Nauczyciel(y)].*limit;
  if (!edytuj_liczbe(uslugi_.StanEdycji(), wartosc, key, button, krok, min, max, 0, this, x, y))
    return;
  siatka_->ini_sel_iterator(2);
  int sx = 0, sy = 0;
  while (siatka_->sel_iterator(sx, sy))
    if (const int t = Nauczyciel(sy); t >= 0)
      zmiana.Modele().Nauczyciele[t].*limit = static_cast<int32_t>(wartosc);
}

// No lower bound here: a pasted limit is only clamped to its range.
void Tffdnaucz::Wklej(int x, int y, const std::string& tekst) {
  const int t = Nauczyciel(y);
  if (!wklejane_ || t < 0 || (x != 1 && x != 2)) return;
  const int wartosc = LiczbaWklejona(tekst);
  TNaucz& n = wklejane_->Nauczyciele[t];
  if (x == 1) n.LimitDyzurow = std::clamp(wartosc, 0, kNajwiecejDyzurow);
  else n.LimitMinut = std::clamp(wartosc, 0, kNajwiecejMinut);
}

}  // namespace velmor
