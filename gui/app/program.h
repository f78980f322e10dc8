#pragma once
// TProgram: the running program. It owns the start-up parameters, the
// document, the printer and every window, each created once under its real
// type, the main window first, and hands each window what it needs.
#include <QList>
#include <QPointer>
#include <QPrinter>

#include "core/document/dokument.h"
#include "core/document/parametry.h"
#include "core/grid/edycja.h"
#include "gui/common/uslugi.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/common/zmiany.h"
#include "gui/planning/towarzysze.h"

namespace velmor {

class TDialogi;
class Tfdlosa;
class Tffddyzur;
class Tffdkarty;
class Tffdkontrola;
class Tffdlista;
class Tffdlistab;
class Tffdmain;
class Tffdmomenty;
class Tffdnaucz;
class Tffdnowy;
class Tffdodaj;
class Tffdopcje;
class Tffdrejon;
class Tffdruk;
class Tffopcje;
class Tffdyzerr;
class Tffdzastepstwa;
class Tffdksiega;

// The windows besides the companions (TTowarzysze).
struct TOkna {
  Tffdmain* ffdmain = nullptr;
  Tffdyzerr* ffdyzerr = nullptr;
  Tfdlosa* fdlosa = nullptr;
  Tffddyzur* ffddyzur = nullptr;
  Tffdkontrola* ffdkontrola = nullptr;
  Tffdkarty* ffdkarty = nullptr;
  Tffdlista* ffdlista = nullptr;
  Tffdlistab* ffdlistab = nullptr;
  Tffdmomenty* ffdmomenty = nullptr;
  Tffdnaucz* ffdnaucz = nullptr;
  Tffdnowy* ffdnowy = nullptr;
  Tffdodaj* ffdodaj = nullptr;
  Tffdopcje* ffdopcje = nullptr;
  Tffdrejon* ffdrejon = nullptr;
  Tffdruk* ffdruk = nullptr;
  Tffopcje* ffopcje = nullptr;
  Tffdzastepstwa* ffdzastepstwa = nullptr;
  Tffdksiega* ffdksiega = nullptr;

  QList<QPointer<QObject>> Kolejnosc;  // in the order of creation
};

class TProgram : private TUslugiOkna {
 public:
  // `dialogi`: the system's, or a test's.
  TProgram(TParametryUruchomieniowe parametry, TDialogi& dialogi);
  // Destroys the windows in the reverse order, the main window last.
  ~TProgram();
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  const TOkna& Okna() const { return okna_; }
  TTowarzysze& Towarzysze() { return towarzysze_; }
  TOknaStopki& OknaStopki() override { return oknaStopki_; }
  TZmianyDokumentu& Zmiany() override { return zmiany_; }
  // The document itself; the windows read it through const references.
  TDokument& Dokument() override { return dokument_; }

 private:
  void UtworzOkna();
  void Podlacz();
  void PierwszePokazanie();
  // Undo or redo one step; every open window shows the result.
  void Cofnij(bool wstecz);

  void Drukuj(TCellEdi& siatka, const QString& tytul) override;
  void PokazWyglad(TCellEdi& siatka, TOpcjeWygladu opcje) override;
  bool Zapisz() override;
  TStanEdycji& StanEdycji() override { return stanEdycji_; }

  TParametryUruchomieniowe parametry_;
  TDialogi& dialogi_;
  TDokument dokument_;
  TStanEdycji stanEdycji_;
  TOknaStopki oknaStopki_;
  TZmianyDokumentu zmiany_;
  int sluchacz_;  // the document's listener that forwards to zmiany_
  QPrinter drukarka_{QPrinter::HighResolution};
  TTowarzysze towarzysze_;
  TOkna okna_;
};

}  // namespace velmor
