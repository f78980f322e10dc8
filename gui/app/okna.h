#pragma once
// Every window of the program, each created once at start-up.
#include <QList>
#include <QPointer>

#include "core/document/parametry.h"
#include "gui/grid/ffdruk.h"
#include "gui/grid/ffopcje.h"
#include "gui/planning/ffddyzur.h"
#include "gui/planning/ffdopcje.h"

class QObject;
class QWidget;

namespace velmor {

class Tfdlosa;
class Tffdlista;
class Tffdlistab;
class Tffdmain;
class Tffdnowy;
class Tffdyzerr;

struct TOkna {
  Tffdmain* ffdmain = nullptr;
  Tffdyzerr* ffdyzerr = nullptr;
  Tfdlosa* fdlosa = nullptr;
  QWidget* ffddysp = nullptr;
  Tffddyzur* ffddyzur = nullptr;
  Tffdlista* ffdlista = nullptr;
  Tffdlistab* ffdlistab = nullptr;
  QWidget* ffdmomenty = nullptr;
  QWidget* ffdnaucz = nullptr;
  Tffdnowy* ffdnowy = nullptr;
  QWidget* ffdodaj = nullptr;
  Tffdopcje* ffdopcje = nullptr;
  QWidget* ffdplann = nullptr;
  QWidget* ffdrejon = nullptr;
  QWidget* ffdstat = nullptr;
  Tffdruk* ffdruk = nullptr;
  Tffopcje* ffopcje = nullptr;

  QList<QPointer<QObject>> Kolejnosc;  // in the order of creation
};

// The windows of the running program.
TOkna& Okna();

// Creates every window in its fixed order, the main window first.
void UtworzOkna(TParametryUruchomieniowe parametry);
// Destroys them (the main window last, as it owns the models).
void ZniszczOkna();

}  // namespace velmor
