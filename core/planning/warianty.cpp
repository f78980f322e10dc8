#include "core/planning/warianty.h"

#include <algorithm>

namespace velmor {

const char* KomunikatWariantu(int kod) {
  switch (kod) {
    case kKomunikatMusiZostac: return "  Nauczyciel musi zostać w szkole";
    case kKomunikatMusiPrzyjsc: return "  Nauczyciel musi wcześniej przyjść";
    case kKomunikatPozaRejonem: return "  Jest w szkole, ale nie w tym rejonie";
    case kKomunikatPozaRejonemZostac: return "  Nie w rejonie i musi zostać po pracy";
    case kKomunikatPozaRejonemPrzyjsc: return "  Nie w rejonie i musi wcześniej przyjść";
    case kKomunikatDlugaZajeta: return "  Już ma dyżur na długiej przerwie";
    case kKomunikatNieMaWSzkole: return "Nie ma w szkole przed i po przerwie";
    case kKomunikatLimitDyzurow: return "Osiągnął limit liczby dyżurów";
    case kKomunikatLimitMinut: return "Osiągnął limit łącznego czasu dyżurów";
    case kKomunikatZajety: return "Akurat ma dyżur";
    case kKomunikatZakaz: return "Ma zakaz dyżurowania";
    default: return "";
  }
}

bool Wykluczony(const TWariant& w) { return w.moc < 0; }
bool Czysty(const TWariant& w) { return w.moc >= 0 && w.zastrzezenie == 0; }

uint32_t KolorWariantu(const TWariant& w) {
  if (Wykluczony(w)) return 0x0000FF;
  return w.zastrzezenie ? 0xFF00FF : 0xFFFF00;
}

TZasadyOceny TZasadyOceny::Z(const TOpcje& opcje, bool automatycznie) {
  return {automatycznie, opcje.PrzedLekcjami(), opcje.PoLekcjach(), opcje.JednaDluga()};
}

void TListaWariantow::wyczysc_warianty(int moment) {
  moment_ = moment;
  w_.clear();
}

int TListaWariantow::Najlepszy() const {
  int najlepszy = -1;
  for (size_t i = 0; i < w_.size(); ++i)
    if (najlepszy < 0 || PrzedWgMocy(w_[i], w_[static_cast<size_t>(najlepszy)]))
      najlepszy = static_cast<int>(i);
  return najlepszy;
}

void TListaWariantow::sortuj_warianty(int kolumna) {
  kolumna_ = kolumna;
  const auto przed = [kolumna](const TWariant& a, const TWariant& b) {
    switch (kolumna) {
      case 0: return a.nauczyciel != b.nauczyciel ? a.nauczyciel < b.nauczyciel : a.moc > b.moc;
      case 1: return a.komunikat != b.komunikat ? a.komunikat > b.komunikat : a.moc > b.moc;
      default: return PrzedWgMocy(a, b);
    }
  };
  std::stable_sort(w_.begin(), w_.end(), przed);
}

int TListaWariantow::Wybor(int indeks, bool pokazana) const {
  if (indeks < 0 || indeks >= static_cast<int>(w_.size())) return kBezWyboru;
  const TWariant& w = w_[static_cast<size_t>(indeks)];
  if (Wykluczony(w) || (!pokazana && w.zastrzezenie)) return kBezWyboru;
  return w.nauczyciel;
}

}  // namespace velmor
