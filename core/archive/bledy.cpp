#include "core/archive/bledy.h"

#include <array>
#include <iostream>

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
