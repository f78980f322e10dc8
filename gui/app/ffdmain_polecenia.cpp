// The main window's menu, tool buttons and commands.
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "core/eksport/formaty.h"
#include "core/model/wspolne.h"
#include "gui/app/ffdmain.h"
#include "gui/app/ikony.h"
#include "gui/common/dialogi.h"
#include "gui/common/fdlosa.h"
#include "gui/common/pomoc.h"
#include "gui/editors/ffdnowy.h"

namespace velmor {
namespace {

QAction* Polecenie(QMenu* menu, const char* tekst, QKeySequence skrot = {}) {
  QAction* akcja = menu->addAction(QString::fromUtf8(tekst));
  akcja->setShortcut(skrot);
  return akcja;
}

}  // namespace

void Tffdmain::UtworzMenu() {
  TPolecenia& p = polecenia_;
  p.Pliki = menuBar()->addMenu("&Pliki");
  p.Nowy = Polecenie(p.Pliki, "&Nowy", Qt::CTRL | Qt::Key_N);
  p.Odczytaj = Polecenie(p.Pliki, "&Odczytaj", Qt::CTRL | Qt::Key_O);
  p.Zapisz = Polecenie(p.Pliki, "&Zapisz", Qt::CTRL | Qt::Key_S);
  p.ZapiszJako = Polecenie(p.Pliki, "Z&apisz pod nową nazwą");
  p.Drukarka = Polecenie(p.Pliki, "&Ustawienia drukarki");
  p.Koniec = Polecenie(p.Pliki, "&Koniec", Qt::ALT | Qt::Key_F4);
  p.Edycja = menuBar()->addMenu("&Edycja");
  p.Cofnij = Polecenie(p.Edycja, "&Cofnij", Qt::CTRL | Qt::Key_Z);
  p.Ponow = Polecenie(p.Edycja, "&Ponów");
  p.Ponow->setShortcuts({Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
  // Saving and undo work from every window.
  for (QAction* a : {p.Zapisz, p.Cofnij, p.Ponow}) a->setShortcutContext(Qt::ApplicationShortcut);
  connect(p.Edycja, &QMenu::aboutToShow, this, [this] { OpiszEdycje(true); });
  connect(p.Edycja, &QMenu::aboutToHide, this, [this] { OpiszEdycje(false); });
  p.Dane = menuBar()->addMenu("D&ane");
  p.Momenty = Polecenie(p.Dane, "&Brzmienia momentów dyżurowania");
  p.Rejony = Polecenie(p.Dane, "&Rejony");
  p.Limity = Polecenie(p.Dane, "&Limity liczby i czasu dyżurów");
  p.MenuDyzury = menuBar()->addMenu("&Dyżury");
  p.Dyzury = Polecenie(p.MenuDyzury, "&Plan dyżurów");
  p.Kontrola = Polecenie(p.MenuDyzury, "&Kontrola planu");
  p.DyzuryNauczycieli = Polecenie(p.MenuDyzury, "Dyżury &nauczycieli");
  p.Zastepstwa = Polecenie(p.MenuDyzury, "&Zastępstwa");
  p.Ksiega = Polecenie(p.MenuDyzury, "Zastępstwa w &semestrze");
  p.Eksport = menuBar()->addMenu("E&ksport");
  for (size_t i = 0; i < p.Eksporty.size(); ++i)
    p.Eksporty[i] = Polecenie(p.Eksport, kFormatyEksportu[i].Menu);
  p.Pomoc = menuBar()->addMenu("Po&moc");
  p.PomocVelmor = Polecenie(p.Pomoc, "Velmor - &pomoc");

  connect(p.Nowy, &QAction::triggered, this, &Tffdmain::Nowy);
  connect(p.Odczytaj, &QAction::triggered, this, &Tffdmain::Odczytaj);
  connect(p.Zapisz, &QAction::triggered, this, &Tffdmain::Zapisz);
  connect(p.ZapiszJako, &QAction::triggered, this, &Tffdmain::ZapiszPodNowaNazwa);
  connect(p.Drukarka, &QAction::triggered, this, &Tffdmain::UstawieniaDrukarki);
  connect(p.Koniec, &QAction::triggered, this, &QWidget::close);
  connect(p.PomocVelmor, &QAction::triggered, this, [] { PokazPomoc(1); });
}

void Tffdmain::UtworzPrzyciski() {
  QToolBar* pasek = addToolBar("Przyciski");
  pasek->setMovable(false);
  pasek->setFloatable(false);
  pasek->toggleViewAction()->setVisible(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  const struct {
    TIkona Glif;
    const char* Podpowiedz;
    QAction* Polecenie;
  } przyciski[] = {
      {kIkonaZapisz, "Zapisz", polecenia_.Zapisz},
      {kIkonaMomenty, "Momenty dyżurowania", polecenia_.Momenty},
      {kIkonaRejony, "Definicje rejonów", polecenia_.Rejony},
      {kIkonaLimity, "Limity dyżurowania", polecenia_.Limity},
      {kIkonaPlan, "Plan dyżurów", polecenia_.Dyzury},
      {kIkonaKoniec, "Koniec", polecenia_.Koniec},
  };
  for (size_t i = 0; i < polecenia_.Przyciski.size(); ++i) {
    auto* przycisk = new QToolButton(pasek);
    przycisk->setAutoRaise(true);
    przycisk->setIcon(Ikona(przyciski[i].Glif));
    przycisk->setToolTip(QString::fromUtf8(przyciski[i].Podpowiedz));
    przycisk->setFocusPolicy(Qt::NoFocus);
    connect(przycisk, &QToolButton::clicked, przyciski[i].Polecenie, &QAction::trigger);
    pasek->addWidget(przycisk);
    polecenia_.Przyciski[i] = przycisk;
  }
}

void Tffdmain::OpiszEdycje(bool menuOtwarte) {
  const THistoria& h = dokument_.Historia;
  const auto opisz = [menuOtwarte](QAction* a, const char* tekst, bool mozna,
                                   const std::string& nazwa) {
    a->setText(QString::fromUtf8(tekst) + (mozna ? ": " + QString::fromUtf8(nazwa) : QString()));
    // Closed, the menu keeps its keys alive; they do nothing without a step.
    a->setEnabled(mozna || !menuOtwarte);
  };
  opisz(polecenia_.Cofnij, "&Cofnij", h.MoznaCofnac(), h.NazwaCofniecia());
  opisz(polecenia_.Ponow, "&Ponów", h.MoznaPonowic(), h.NazwaPonowienia());
}

bool Tffdmain::ZapytajOZapis() {
  if (!dokument_.Zmieniony) return true;
  switch (powiazania_.Dialogi->Zapytaj(this, QString(kTytulProgramu) + " 2025",
                                       "Zapisać zmiany na dysku?")) {
    case QMessageBox::Yes:
      // A failed or cancelled save keeps the caller from throwing the changes away.
      return Zapisz();
    case QMessageBox::No: return true;
    default: return false;
  }
}

void Tffdmain::UstawDostepnosc(bool wlaczone) {
  polecenia_.Dane->menuAction()->setEnabled(wlaczone);
  polecenia_.MenuDyzury->menuAction()->setEnabled(wlaczone);
  polecenia_.Eksport->menuAction()->setEnabled(wlaczone);
  for (QAction* a : polecenia_.MenuDyzury->actions()) a->setEnabled(wlaczone);
  for (size_t i = 1; i <= 4; ++i) polecenia_.Przyciski[i]->setEnabled(wlaczone);
  for (QWidget* okno : powiazania_.ZamykaneBezDanych) okno->close();
}

void Tffdmain::Nowy() {
  if (!ZapytajOZapis()) return;
  Tffdnowy& kreator = *powiazania_.Kreator;
  const bool wynik = kreator.Uruchom();
  // A timetable that could not be read changed nothing.
  if (!wynik && kreator.BladOdczytu()) return;
  UstawDostepnosc(wynik);
  if (!wynik) return;
  // A plan saved by the wizard keeps the name it was saved under.
  Tfdlosa& losa = *powiazania_.Losa;
  const QString nazwa = kreator.Zapisany() ? losa.DialogZapisu.Nazwa : QString();
  losa.DialogOtwarcia.Nazwa = nazwa;
  losa.DialogZapisu.Nazwa = nazwa;
  PokazNazwe(nazwa);
}

void Tffdmain::Odczytaj() {
  if (!ZapytajOZapis()) return;
  // A failed open leaves the document and the commands as they were.
  if (powiazania_.Losa->WybierzIOtworz(kRodzajPlanDyzurow)) UstawDostepnosc(true);
}

bool Tffdmain::Zapisz() {
  Tfdlosa& losa = *powiazania_.Losa;
  if (!losa.ZapiszPlik(losa.DialogZapisu.Nazwa)) return false;
  PokazNazwe(losa.DialogZapisu.Nazwa);
  return true;
}

void Tffdmain::ZapiszPodNowaNazwa() { powiazania_.Losa->ZapiszJako(); }

void Tffdmain::UstawieniaDrukarki() {
  powiazania_.Dialogi->UstawieniaDrukarki(this, *powiazania_.Drukarka);
}

}  // namespace velmor
