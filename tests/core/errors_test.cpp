#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/archive/bledy.h"
#include "rejestr_bledow.h"

using namespace velmor;

using TZapisRaportow = velmor::testy::TRejestrKodow;

TEST(Errors, MessageTable) {
  const std::vector<std::pair<int, std::string>> tabela = {
      {0, " Za mało pamięci w komputerze"},
      {1, " Odczyt danych z archiwum nie powiódł się"},
      {2, " Odczyt danych planu lekcji nie powiódł się"},
      {3, " Zapis danych do archiwum nie powiódł się"},
      {4, " Niewłaściwa wersja pliku z danymi o szkole"},
      {6, " Wydruk nie powiódł się"},
      {8, " Nieznany błąd (F1 - komentarz)"},
  };
  for (const auto& [kod, komunikat] : tabela) {
    const TOpisBledu* opis = OpisBledu(kod);
    ASSERT_NE(opis, nullptr) << kod;
    EXPECT_EQ(opis->Kod, kod);
    EXPECT_EQ(std::string(opis->Komunikat), komunikat);
    EXPECT_EQ(opis->Temat, 1000 + 10 * kod);
  }
  for (int brak : {-1, 5, 7, 9, 1040}) EXPECT_EQ(OpisBledu(brak), nullptr) << brak;
}

TEST(Errors, ConstructionReportsOnceToTheInstalledReporter) {
  TZapisRaportow raport;
  {
    TZmianaRaportu zmiana(&raport);
    try {
      throw EOrvelError(4);
    } catch (const EOrvelError& e) {
      EXPECT_EQ(e.Kod(), 4);
      EXPECT_EQ(std::string(e.what()), " Niewłaściwa wersja pliku z danymi o szkole");
      EOrvelError drugi(1);  // reported, then dropped
    }
    EXPECT_EQ(raport.kody, (std::vector<int>{4, 1}));
  }
  EOrvelError(8);  // the reporter is uninstalled again
  EXPECT_EQ(raport.kody.size(), 2u);
}

TEST(Errors, NestedReportersRestoreInOrder) {
  TZapisRaportow zewnetrzny, wewnetrzny;
  TZmianaRaportu a(&zewnetrzny);
  {
    TZmianaRaportu b(&wewnetrzny);
    EOrvelError(3);
  }
  EOrvelError(1);
  EXPECT_EQ(wewnetrzny.kody, std::vector<int>{3});
  EXPECT_EQ(zewnetrzny.kody, std::vector<int>{1});
}

TEST(Errors, ConsoleReporterWritesTheMessageOnStandardError) {
  TRaportKonsoli konsola;
  TZmianaRaportu zmiana(&konsola);
  testing::internal::CaptureStderr();
  EOrvelError(3);
  konsola.Pokaz(5);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            " Zapis danych do archiwum nie powiódł się\n?\n");
}
