#include "core/model/zastepstwa.h"

#include "core/archive/bledy.h"
#include "core/archive/napisy.h"
#include "core/model/data.h"
#include "core/model/wspolne.h"

namespace velmor {
namespace {

// The form of the section, for a later one to tell itself apart.
constexpr uint8_t kWersja = 1;

int32_t Data(TOrvelOdczyt& s) {
  const int32_t d = s.CzytajI32();
  if (!DataWZakresie(d)) throw EStrumien("zastępstwa: data poza latami 1-9999");
  return d;
}

uint8_t Indeks(TOrvelOdczyt& s, int ile, bool zamkniete = false) {
  const uint8_t i = s.CzytajBajt();
  if (i >= ile && !(zamkniete && i == kZamkniete))
    throw EStrumien("zastępstwa: nieistniejący nauczyciel lub rejon");
  return i;
}

}  // namespace

const TZastepstwo* TZastepstwa::Pokrycie(int data, int moment, int rejon) const {
  for (const TZastepstwo& z : Pokrycia)
    if (z.Data == data && z.Moment == moment && z.Rejon == rejon) return &z;
  return nullptr;
}

void TZastepstwa::Czytaj(TOrvelOdczyt& s, int nauczycieli, int sloty, int rejonow) {
  if (s.CzytajBajt() != kWersja) throw EStrumien("zastępstwa: nieznana postać");
  Nieobecnosci.resize(static_cast<size_t>(s.CzytajLiczbe(15)));
  for (TNieobecnosc& n : Nieobecnosci) {
    n.Nauczyciel = Indeks(s, nauczycieli);
    n.Od = Data(s);
    n.Do = Data(s);
    n.OdLekcji = s.CzytajBajt();
    n.DoLekcji = s.CzytajBajt();
    CzytajTekst(s, n.Powod);
    if (n.Do < n.Od) throw EStrumien("zastępstwa: nieobecność kończy się przed początkiem");
  }
  Pokrycia.resize(static_cast<size_t>(s.CzytajLiczbe(8)));
  for (TZastepstwo& z : Pokrycia) {
    z.Data = Data(s);
    z.Moment = static_cast<uint16_t>(s.CzytajI16());
    if (z.Moment >= sloty) throw EStrumien("zastępstwa: nieistniejący moment");
    z.Rejon = Indeks(s, rejonow);
    z.Nauczyciel = Indeks(s, nauczycieli, true);
  }
}

void TZastepstwa::Zapisz(TOrvelZapis& s) const {
  s.ZapiszBajt(kWersja);
  s.ZapiszI32(static_cast<int32_t>(Nieobecnosci.size()));
  for (const TNieobecnosc& n : Nieobecnosci) {
    s.ZapiszBajt(n.Nauczyciel);
    s.ZapiszI32(n.Od);
    s.ZapiszI32(n.Do);
    s.ZapiszBajt(n.OdLekcji);
    s.ZapiszBajt(n.DoLekcji);
    ZapiszTekst(s, n.Powod);
  }
  s.ZapiszI32(static_cast<int32_t>(Pokrycia.size()));
  for (const TZastepstwo& z : Pokrycia) {
    s.ZapiszI32(z.Data);
    s.ZapiszI16(static_cast<int16_t>(z.Moment));
    s.ZapiszBajt(z.Rejon);
    s.ZapiszBajt(z.Nauczyciel);
  }
}

void TZastepstwa::Przenumeruj(const TNumer& nauczyciel, const TNumer& rejon, const TNumer& slot) {
  std::vector<TNieobecnosc> nieobecnosci;
  for (TNieobecnosc n : Nieobecnosci)
    if (const int t = nauczyciel(n.Nauczyciel); t >= 0) {
      n.Nauczyciel = static_cast<uint8_t>(t);
      nieobecnosci.push_back(std::move(n));
    }
  std::vector<TZastepstwo> pokrycia;
  for (TZastepstwo z : Pokrycia) {
    const int t = z.Nauczyciel == kZamkniete ? kZamkniete : nauczyciel(z.Nauczyciel);
    const int r = rejon(z.Rejon), m = slot(z.Moment);
    if (t < 0 || r < 0 || m < 0) continue;
    pokrycia.push_back(
        {z.Data, static_cast<uint16_t>(m), static_cast<uint8_t>(r), static_cast<uint8_t>(t)});
  }
  Nieobecnosci = std::move(nieobecnosci);
  Pokrycia = std::move(pokrycia);
}

}  // namespace velmor
