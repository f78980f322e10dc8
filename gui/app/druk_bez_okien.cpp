#include "gui/app/druk_bez_okien.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>
#include <iostream>

#include "core/model/wspolne.h"
#include "gui/app/program.h"
#include "gui/common/dialogi.h"
#include "gui/common/fdlosa.h"
#include "gui/editors/ffdnaucz.h"
#include "gui/grid/drukpdf.h"
#include "gui/grid/tekst.h"
#include "gui/planning/ffddyzur.h"
#include "gui/planning/ffdplann.h"
#include "gui/planning/ffdstat.h"

namespace velmor {
namespace {

constexpr int kSukces = 0, kBladOdczytu = 1, kBladUzycia = 2, kBladZapisu = 3;

int Uzycie(const QString& tekst) {
  std::cerr << "velmor --print: " << tekst.toStdString()
            << "\nUżycie: velmor --print PLAN [--view duty|teachers|loads|limits] -o WYNIK.pdf\n";
  return kBladUzycia;
}

// The window's table showing the view, and its print title.
std::pair<TCellEdi*, QString> Widok(TProgram& program, const QString& widok) {
  const TOkna& o = program.Okna();
  TTowarzysze& t = program.Towarzysze();
  if (widok == "duty") {
    o.ffddyzur->Pokaz();
    return {&o.ffddyzur->Siatka(), "Plan dyżurów"};
  }
  if (widok == "teachers") {
    t.PlanNauczycieli->pokaz_plan(-1, -1);
    return {t.PlanNauczycieli->Siatka(), "Plan dyżurów nauczycieli"};
  }
  if (widok == "loads") {
    t.Statystyka->pokaz_statystyke(-1);
    return {t.Statystyka->Siatka(), "Statystyka obciążeń nauczycieli"};
  }
  if (widok == "limits") {
    o.ffdnaucz->Pokaz();
    return {&o.ffdnaucz->Siatka(), "Limity liczby i czasu dyżurów"};
  }
  return {nullptr, {}};
}

}  // namespace

int DrukujBezOkien(const QStringList& argumenty) {
  QString plan, widok = "duty", wynik;
  for (qsizetype i = 2; i < argumenty.size(); ++i) {
    const QString& a = argumenty[i];
    const bool zWartoscia = (a == "--view" || a == "-o") && i + 1 < argumenty.size();
    if (a == "--view" && zWartoscia) widok = argumenty[++i];
    else if (a == "-o" && zWartoscia) wynik = argumenty[++i];
    else if (!a.startsWith('-') && plan.isEmpty()) plan = a;
    else return Uzycie("nieznany argument: " + a);
  }
  if (plan.isEmpty() || wynik.isEmpty()) return Uzycie("podaj plan i -o WYNIK.pdf");
  TDialogiSystemowe dialogi;  // never shown: nothing here asks
  TProgram program(TParametryUruchomieniowe::Zbuduj(
                       QCoreApplication::applicationDirPath().toStdString(), "", {}),
                   dialogi);
  // Names are taken from the current folder, as a command line tool takes them.
  if (!program.Okna().fdlosa->OtworzPlik(QFileInfo(plan).absoluteFilePath(), kRodzajPlanDyzurow))
    return kBladOdczytu;
  const auto [siatka, tytul] = Widok(program, widok);
  if (!siatka) return Uzycie("nieznany widok: " + widok);
  QPrinter drukarka(QPrinter::HighResolution);
  if (!DrukujDoPdf(*siatka, drukarka, tytul, SciezkaPliku(QFileInfo(wynik).absoluteFilePath()))) {
    std::cerr << "velmor --print: nie można zapisać " << wynik.toStdString() << '\n';
    return kBladZapisu;
  }
  return kSukces;
}

}  // namespace velmor
