#pragma once
// Documents and the fixture of the safe-save tests.
#include <gtest/gtest.h>

#include "core/archive/bledy.h"
#include "core/document/dokument.h"
#include "pliki_testowe.h"
#include "rejestr_bledow.h"

namespace velmor::testy {

// A document that differs from others of its kind by its region's name.
inline TDokument Dokument(const std::string& rejon) {
  TDokument d;
  d.Dni.Dni.assign(2, TDzien{{{"8:00"}, {"8:55"}}, kKolorDomyslny});
  d.Dni.Przelicz();
  d.Momenty.ZmienRozmiar(4);
  d.Dyzury.ZmienRozmiar(0, 4);
  d.Rejony.WstawRejon(0, d.Dyzury);
  d.Rejony[0].Nazwa = rejon;
  return d;
}

class SafeSave : public ::testing::Test {
 protected:
  TFolder folder;
  TRejestrKodow cichy;
  TZmianaRaportu zmiana{&cichy};
};

}  // namespace velmor::testy
