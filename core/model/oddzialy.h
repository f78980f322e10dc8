#pragma once
// Classes.
#include <cstdint>
#include <string>

#include "core/model/dysp.h"
#include "core/model/lista.h"
#include "core/model/wspolne.h"

namespace velmor {

struct TOddz {
  std::string Nazwa;
  uint32_t Kolor = kKolorDomyslny;
  TDysp Przedmioty;  // subjects per slot
  TDysp Sale;        // the room of each of those subjects, position by position

  void Czytaj(TOrvelOdczyt& s, int rodzaj);
  void Zapisz(TOrvelZapis& s) const;
  bool operator==(const TOddz&) const = default;
};

class TOddzialy : public TLista<TOddz> {
 public:
  void Czytaj(TOrvelOdczyt& s, int rodzaj) { TLista::Czytaj(s, rodzaj, 13); }
};

}  // namespace velmor
