#pragma once
// The tests' stand-in for the error window: the codes reported, and the line
// below each, kept instead of shown. Installed with TZmianaRaportu.
#include <string>
#include <vector>

#include "core/archive/bledy.h"

namespace velmor::testy {

class TRejestrKodow : public TRaportBledow {
 public:
  void Pokaz(int kod) override {
    kody.push_back(kod);
    szczegoly.emplace_back();
  }
  void PokazZeSzczegolem(int kod, const std::string& szczegol) override {
    Pokaz(kod);
    szczegoly.back() = szczegol;
  }
  std::vector<int> kody;
  std::vector<std::string> szczegoly;  // "" where a code came alone
};

}  // namespace velmor::testy
