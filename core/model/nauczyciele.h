#pragma once
// Teachers.
#include <cstdint>
#include <string>

#include "core/model/dysp.h"
#include "core/model/lista.h"
#include "core/model/wspolne.h"

namespace velmor {

struct TNaucz {
  std::string Nazwisko, Imie;
  int32_t LimitDyzurow = 0;
  int32_t LimitMinut = 0;
  uint32_t Kolor = kKolorDomyslny;
  TDysp Dyspozycja;  // classes taught per slot, and the duty bans

  // "Imie Nazwisko", as duty cells and lists show the teacher.
  std::string NazwaNauczyciela() const { return Imie + " " + Nazwisko; }

  // The timetable form holds no limits: they keep their values.
  void Czytaj(TOrvelOdczyt& s, int rodzaj);
  void Zapisz(TOrvelZapis& s) const;
  bool operator==(const TNaucz&) const = default;
};

class TNauczle : public TLista<TNaucz> {
 public:
  void Czytaj(TOrvelOdczyt& s, int rodzaj) { TLista::Czytaj(s, rodzaj, 14); }
};

}  // namespace velmor
