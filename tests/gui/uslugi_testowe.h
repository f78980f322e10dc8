#pragma once
// What a window made on its own asks of the program, counted.
#include "core/grid/edycja.h"
#include "gui/common/uslugi.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/common/zmiany.h"

namespace velmor::testy {

class TUslugiTestowe : public TUslugiOkna {
 public:
  explicit TUslugiTestowe(TDokument& dokument) : dokument_(dokument) {}
  int Wydruki = 0, Wyglady = 0, Zapisy = 0;
  void Drukuj(TCellEdi&, const QString&) override { ++Wydruki; }
  void PokazWyglad(TCellEdi&, TOpcjeWygladu) override { ++Wyglady; }
  bool Zapisz() override { return ++Zapisy > 0; }
  TStanEdycji& StanEdycji() override { return stan_; }
  TOknaStopki& OknaStopki() override { return okna_; }
  TZmianyDokumentu& Zmiany() override { return zmiany_; }

 private:
  TDokument& Dokument() override { return dokument_; }

  TDokument& dokument_;
  TStanEdycji stan_;
  TOknaStopki okna_;
  TZmianyDokumentu zmiany_;
};

}  // namespace velmor::testy
