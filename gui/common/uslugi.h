#pragma once
// What a table window asks of the program: the dialogs every table opens and
// the document's save and changes. The program hands it to each window at
// creation.
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
};

}  // namespace velmor
