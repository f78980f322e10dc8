#pragma once
// What a table window asks of the program: the dialogs every table opens,
// the document's steps, its save and its changes. The program hands it to
// each window at creation.
#include <string>
#include <utility>

#include "core/document/dokument.h"

class QString;

namespace velmor {

class TCellEdi;
class TOknaStopki;
class TZmianyDokumentu;
struct TStanEdycji;

// What the appearance dialog offers for a table (see Tffopcje::pokaz_wyglad).
struct TOpcjeWygladu {
  bool Proporcjonalnie = false, StaleKolumny = false, StaleWiersze = false,
       WyrownaniePionowe = false;
};

class TUslugiOkna {
 public:
  // One step of the user's (see TDokument::TZmiana): a window reads the
  // document through a const reference and changes it only through this.
  TDokument::TZmiana Zmien(std::string nazwa, std::string scal = {}) {
    return TDokument::TZmiana(Dokument(), std::move(nazwa), std::move(scal));
  }
  // Keys typed from now on make a new step.
  void PrzerwijScalanie() { Dokument().Historia.Przerwij(); }

  // The print dialog for `siatka`, under `tytul`.
  virtual void Drukuj(TCellEdi& siatka, const QString& tytul) = 0;
  // The appearance dialog for `siatka`.
  virtual void PokazWyglad(TCellEdi& siatka, TOpcjeWygladu opcje) = 0;
  // Saves the document as the main window's "Zapisz" does; true on success.
  virtual bool Zapisz() = 0;
  // The program's one edit state: the cell being typed into, its number text.
  virtual TStanEdycji& StanEdycji() = 0;
  // Where a window registers for its row of the window-settings trailer.
  virtual TOknaStopki& OknaStopki() = 0;
  // The document's changes, as they happen.
  virtual TZmianyDokumentu& Zmiany() = 0;

 protected:
  ~TUslugiOkna() = default;
  virtual TDokument& Dokument() = 0;
};

}  // namespace velmor
