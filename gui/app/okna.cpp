#include "gui/app/okna.h"

#include "gui/app/fdlosa.h"
#include "gui/app/ffdmain.h"
#include "gui/app/ffdyzerr.h"
#include "gui/app/oknozastepcze.h"
#include "gui/editors/ffdnowy.h"

namespace velmor {
namespace {

TOkna g_okna;

template <typename T>
T* Zapamietaj(T* obiekt) {
  g_okna.Kolejnosc.append(obiekt);
  return obiekt;
}

QWidget* Zastepcze(const char* nazwa, const char* tytul, int kontekst) {
  return Zapamietaj(new TOknoZastepcze(nazwa, QString::fromUtf8(tytul), kontekst));
}

}  // namespace

TOkna& Okna() { return g_okna; }

void UtworzOkna(TParametryUruchomieniowe parametry) {
  TOkna& o = g_okna;
  o.ffdmain = Zapamietaj(new Tffdmain(std::move(parametry)));
  o.ffdyzerr = Zapamietaj(new Tffdyzerr);
  Tffdmain& glowne = *o.ffdmain;
  o.fdlosa = Zapamietaj(new Tfdlosa(glowne.Dokument(), glowne.Parametry(), &glowne));
  QObject::connect(o.fdlosa, &Tfdlosa::PokazNazwe, &glowne, &Tffdmain::PokazNazwe);
  o.ffddysp = Zastepcze("ffddysp", "Mikroplan", 220);
  o.ffddyzur = Zastepcze("ffddyzur", "Plan dyżurów", 200);
  o.ffdlista = Zastepcze("ffdlista", " Wybierz", 200);
  o.ffdlistab = Zastepcze("ffdlistab", "Lista wariantów", 200);
  o.ffdmomenty = Zastepcze("ffdmomenty", "Momenty dyżurowania", 110);
  o.ffdnaucz = Zastepcze("ffdnaucz", "Limity dyżurów", 130);
  o.ffdnowy = Zapamietaj(new Tffdnowy(glowne.Dokument(), *o.fdlosa,
                                      [&glowne] { return glowne.ZapytajOZapis(); }));
  o.ffdodaj = Zastepcze("ffdodaj", "Sale", 120);
  o.ffdopcje = Zastepcze("ffdopcje", "Opcje", 240);
  o.ffdplann = Zastepcze("ffdplann", "Plan dyżurów nauczycieli", 210);
  o.ffdrejon = Zastepcze("ffdrejon", "Rejony dyżurów", 120);
  o.ffdstat = Zastepcze("ffdstat", "Statystyka obciążeń nauczycieli", 230);
  o.ffdruk = Zapamietaj(new Tffdruk);
  o.ffopcje = Zapamietaj(new Tffopcje);
}

void ZniszczOkna() {
  for (auto it = g_okna.Kolejnosc.rbegin(); it != g_okna.Kolejnosc.rend(); ++it) delete it->data();
  g_okna = TOkna{};
}

}  // namespace velmor
