#pragma once
// Subjects.
#include <cstdint>
#include <string>

#include "core/model/lista.h"
#include "core/model/program.h"
#include "core/model/wspolne.h"

namespace velmor {

struct TPrzedm {
  std::string Nazwa;
  uint32_t Kolor = kKolorDomyslny;
  uint8_t Znacznik = kBrak;  // carried from the timetable, no meaning here
  TProgWiersz Program;       // hours and teacher per class
  TGrupaZesp Grupy;

  void Czytaj(TOrvelOdczyt& s, int rodzaj);
  void Zapisz(TOrvelZapis& s) const;
  bool operator==(const TPrzedm&) const = default;
};

class TPrzedmioty : public TLista<TPrzedm> {
 public:
  void Czytaj(TOrvelOdczyt& s, int rodzaj) { TLista::Czytaj(s, rodzaj, 14); }
};

}  // namespace velmor
