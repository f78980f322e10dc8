#include "gui/app/program.h"

#include <QAction>
#include <QApplication>
#include <initializer_list>

#include "core/eksport/formaty.h"
#include "gui/app/eksport.h"
#include "gui/app/ffdmain.h"
#include "gui/app/ffdyzerr.h"
#include "gui/common/fdlosa.h"
#include "gui/common/pomoc.h"
#include "gui/editors/ffdmomenty.h"
#include "gui/editors/ffdnaucz.h"
#include "gui/editors/ffdnowy.h"
#include "gui/editors/ffdodaj.h"
#include "gui/editors/ffdrejon.h"
#include "gui/grid/ffdruk.h"
#include "gui/grid/ffopcje.h"
#include "gui/planning/ffddyzur.h"
#include "gui/planning/ffdkarty.h"
#include "gui/planning/ffdkontrola.h"
#include "gui/planning/ffdksiega.h"
#include "gui/planning/ffdlista.h"
#include "gui/planning/ffdlistab.h"
#include "gui/planning/ffdopcje.h"
#include "gui/planning/ffdplann.h"
#include "gui/planning/ffdstat.h"
#include "gui/planning/ffdzastepstwa.h"

namespace velmor {

TProgram::TProgram(TParametryUruchomieniowe parametry, TDialogi& dialogi)
    : parametry_(std::move(parametry)),
      dialogi_(dialogi),
      sluchacz_(dokument_.DodajSluchacza([this](uint32_t c) { zmiany_.Powiadom(c); })) {
  UtworzOkna();
  Podlacz();
}

TProgram::~TProgram() {
  dokument_.WidokPlanu = nullptr;
  for (auto it = okna_.Kolejnosc.rbegin(); it != okna_.Kolejnosc.rend(); ++it) delete it->data();
  dokument_.UsunSluchacza(sluchacz_);
}

void TProgram::UtworzOkna() {
  TOkna& o = okna_;
  TDokument& d = dokument_;
  const auto zapamietaj = [&o](auto* okno) {
    o.Kolejnosc.append(okno);
    return okno;
  };
  o.ffdmain = zapamietaj(new Tffdmain(d, parametry_));
  o.ffdyzerr = zapamietaj(new Tffdyzerr);
  o.fdlosa = zapamietaj(new Tfdlosa(d, parametry_, dialogi_, oknaStopki_, o.ffdmain));
  towarzysze_.Mikroplany[kMikroplanGlowny] = zapamietaj(new Tffddysp(d, kMikroplanGlowny, *this));
  // The other four go with the main window.
  for (int i = kMikroplanRejonu; i < kLiczbaMikroplanow; ++i)
    towarzysze_.Mikroplany[static_cast<size_t>(i)] =
        new Tffddysp(d, static_cast<TMikroplan>(i), *this, o.ffdmain);
  o.ffddyzur = zapamietaj(new Tffddyzur(d, *this, towarzysze_));
  o.ffdkarty = zapamietaj(new Tffdkarty(d, *this));
  o.ffdkontrola = zapamietaj(new Tffdkontrola(d, *this));
  o.ffdlista = zapamietaj(new Tffdlista(d, *this));
  o.ffdlistab = zapamietaj(new Tffdlistab(d, *this));
  o.ffdmomenty = zapamietaj(new Tffdmomenty(d, *this));
  o.ffdnaucz = zapamietaj(new Tffdnaucz(d, *this, towarzysze_));
  o.ffdnowy = zapamietaj(
      new Tffdnowy(d, *o.fdlosa, [glowne = o.ffdmain] { return glowne->ZapytajOZapis(); }));
  o.ffdodaj = zapamietaj(new Tffdodaj(d));
  o.ffdopcje = zapamietaj(new Tffdopcje);
  towarzysze_.PlanNauczycieli = zapamietaj(new Tffdplann(d, *this));
  o.ffdrejon = zapamietaj(new Tffdrejon(d, *this, towarzysze_, *o.ffdodaj));
  towarzysze_.Statystyka = zapamietaj(new Tffdstat(d, *this));
  o.ffdruk = zapamietaj(new Tffdruk(drukarka_));
  o.ffopcje = zapamietaj(new Tffopcje);
  o.ffdzastepstwa = zapamietaj(new Tffdzastepstwa(d, *this));
  o.ffdksiega = zapamietaj(new Tffdksiega(d, *this));
  oknaStopki_.Zarejestruj(kOknoGlowne, o.ffdmain);
  oknaStopki_.Zarejestruj(kOknoSale, o.ffdodaj);
  UstawKontekstPomocy(o.ffdruk, 30);
  UstawKontekstPomocy(o.ffopcje, 40);
}

void TProgram::Podlacz() {
  TOkna& o = okna_;
  Tffdmain& glowne = *o.ffdmain;
  QObject::connect(o.fdlosa, &Tfdlosa::PokazNazwe, &glowne, &Tffdmain::PokazNazwe);
  glowne.Podlacz({.Losa = o.fdlosa,
                  .Dialogi = &dialogi_,
                  .Kreator = o.ffdnowy,
                  .Drukarka = &drukarka_,
                  .ZamykaneBezDanych = {o.ffdmomenty, o.ffdrejon, o.ffddyzur, o.ffdkontrola,
                                        o.ffdkarty, o.ffdzastepstwa},
                  .PierwszePokazanie = [this] { PierwszePokazanie(); }});
  const Tffdmain::TPolecenia& p = glowne.Polecenia();
  QObject::connect(p.Momenty, &QAction::triggered, o.ffdmomenty, &Tffdmomenty::Pokaz);
  QObject::connect(p.Rejony, &QAction::triggered, o.ffdrejon, &Tffdrejon::Pokaz);
  QObject::connect(p.Limity, &QAction::triggered, o.ffdnaucz, &Tffdnaucz::Pokaz);
  QObject::connect(p.Dyzury, &QAction::triggered, o.ffddyzur, &Tffddyzur::Pokaz);
  QObject::connect(p.Kontrola, &QAction::triggered, o.ffdkontrola, &Tffdkontrola::Pokaz);
  QObject::connect(p.DyzuryNauczycieli, &QAction::triggered, o.ffdkarty, &Tffdkarty::Pokaz);
  QObject::connect(p.Zastepstwa, &QAction::triggered, o.ffdzastepstwa, &Tffdzastepstwa::Pokaz);
  QObject::connect(p.Ksiega, &QAction::triggered, o.ffdksiega, &Tffdksiega::Pokaz);
  o.ffdzastepstwa->ZapiszStrone = [this](const std::string& html) {
    ZapiszStroneZastepstw(html, okna_.ffdzastepstwa, dialogi_);
  };
  for (size_t i = 0; i < p.Eksporty.size(); ++i)
    QObject::connect(p.Eksporty[i], &QAction::triggered, o.ffdmain, [this, i] {
      okna_.ffddyzur->Pokaz();  // the PDF prints the plan's table as its window shows it
      Eksportuj(kFormatyEksportu[i], okna_.ffdmain, dokument_, dialogi_, okna_.ffddyzur->Siatka());
    });
  QObject::connect(p.Cofnij, &QAction::triggered, o.ffdmain, [this] { Cofnij(true); });
  QObject::connect(p.Ponow, &QAction::triggered, o.ffdmain, [this] { Cofnij(false); });

  // The duty plan editor reaches the chooser, the variant list and the options.
  Tffddyzur& plan = *o.ffddyzur;
  dokument_.WidokPlanu = [&plan] { return plan.Widok(); };
  plan.WybierzNauczyciela = [lista = o.ffdlista](const std::vector<int>& nauczyciele, int litera,
                                                 int moment) {
    lista->otworz_liste(1, litera);
    for (int t : nauczyciele) lista->dodaj_pozycje(t, t, t);
    return lista->wybierz_pozycje(moment);
  };
  plan.ListaWariantow = o.ffdlistab;
  plan.PokazKontrole = [kontrola = o.ffdkontrola] { kontrola->Pokaz(); };
  o.ffdkontrola->KursorPlanu = [&plan](int r, int k) {
    plan.Pokaz();
    plan.UstawKursor(r, k);
  };
  // Companions and lists belong to the window they serve: above it, not
  // above the desktop; the modal lists above the companions.
  plan.PrzyjmijTowarzyszy();
  for (TMikroplan i : {kMikroplanRejonu, kMikroplanSali})
    towarzysze_.Mikroplan(i)->setParent(o.ffdrejon, towarzysze_.Mikroplan(i)->windowFlags());
  for (QDialog* lista : std::initializer_list<QDialog*>{o.ffdlista, o.ffdlistab})
    lista->setParent(&plan, lista->windowFlags());
  // The options are one step.
  plan.PokazOpcje = [this] {
    TDokument::TZmiana zmiana(dokument_, "Opcje");
    okna_.ffdopcje->Pokaz(zmiana.Modele().Opcje);
  };
  // The lists' cursors move the companions; the companions move the plan's.
  const auto towarzysze = [this](int t, int m) { towarzysze_.OdswiezWidoczne(t, m); };
  o.ffdlista->Towarzysze = towarzysze;
  o.ffdlistab->Towarzysze = towarzysze;
  const auto kursor = [&plan](int r, int m) { plan.UstawKursor(r, m); };
  for (Tffddysp* m : towarzysze_.Mikroplany) m->KursorPlanu = kursor;
  towarzysze_.PlanNauczycieli->KursorPlanu = kursor;
}

// The extra micro-plans under their own captions.
void TProgram::PierwszePokazanie() {
  const Tffddysp& glowny = *towarzysze_.Mikroplan(kMikroplanGlowny);
  const QString tytul = glowny.windowTitle();
  towarzysze_.Mikroplan(kMikroplanRejonu)->setWindowTitle(tytul + " rejonu");
  towarzysze_.Mikroplan(kMikroplanSali)->setWindowTitle(tytul + " sali");
  towarzysze_.Mikroplan(kMikroplanKto)->setWindowTitle("Kto dyżuruje?");
  towarzysze_.Mikroplan(kMikroplanGdzie)->setWindowTitle("Gdzie dyżuruje?");
}

void TProgram::Cofnij(bool wstecz) {
  // Never in the middle of a command that shows a list or dialog.
  if (QApplication::activeModalWidget()) return;
  if (wstecz) dokument_.Cofnij();
  else dokument_.Ponow();
}

void TProgram::Drukuj(TCellEdi& siatka, const QString& tytul) {
  okna_.ffdruk->drukuj_tabele(siatka, tytul);
}

void TProgram::PokazWyglad(TCellEdi& siatka, TOpcjeWygladu opcje) {
  okna_.ffopcje->pokaz_wyglad(siatka, opcje.Proporcjonalnie, opcje.StaleKolumny, opcje.StaleWiersze,
                              opcje.WyrownaniePionowe);
}

bool TProgram::Zapisz() { return okna_.ffdmain->Zapisz(); }

}  // namespace velmor
