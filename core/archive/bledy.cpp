#include "core/archive/bledy.h"

#include <array>
#include <iostream>
#include <new>

namespace velmor {
namespace {

constexpr std::array<TOpisBledu, 7> kBledy = {{
    {0, " Za mało pamięci w komputerze", 1000},
    {1, " Odczyt danych z archiwum nie powiódł się", 1010},
    {2, " Odczyt danych planu lekcji nie powiódł się", 1020},
    {3, " Zapis danych do archiwum nie powiódł się", 1030},
    {4, " Niewłaściwa wersja pliku z danymi o szkole", 1040},
    {6, " Wydruk nie powiódł się", 1060},
    {8, " Nieznany błąd (F1 - komentarz)", 1080},
}};

TRaportBledow* g_raport = nullptr;

std::string Tekst(int kod) {
  const TOpisBledu* opis = OpisBledu(kod);
  return opis ? opis->Komunikat : "błąd " + std::to_string(kod);
}

}  // namespace

const TOpisBledu* OpisBledu(int kod) {
  for (const auto& opis : kBledy)
    if (opis.Kod == kod) return &opis;
  return nullptr;
}

void TRaportKonsoli::Pokaz(int kod) {
  const TOpisBledu* opis = OpisBledu(kod);
  std::cerr << (opis ? opis->Komunikat : "?") << '\n';
}

void TRaportKonsoli::PokazZeSzczegolem(int kod, const std::string& szczegol) {
  Pokaz(kod);
  std::cerr << szczegol << '\n';
}

std::string SzczegolPorazki(const std::string& plik) {
  std::string powod;
  try {
    throw;
  } catch (const EStrumien& e) {
    powod = e.what();
  } catch (const std::bad_alloc&) {
    powod = "za mało pamięci";
  } catch (...) {
  }
  if (powod.empty()) return plik;
  // Most reasons of the disk layer name the file already.
  return powod.find(plik) != std::string::npos ? powod : plik + ": " + powod;
}

TRaportBledow* UstawRaportBledow(TRaportBledow* raport) {
  TRaportBledow* poprzedni = g_raport;
  g_raport = raport;
  return poprzedni;
}

EOrvelError::EOrvelError(int kod, const std::string& szczegol)
    : std::runtime_error(Tekst(kod)), kod_(kod) {
  if (!g_raport) return;
  if (szczegol.empty()) g_raport->Pokaz(kod);
  else g_raport->PokazZeSzczegolem(kod, szczegol);
}

}  // namespace velmor
