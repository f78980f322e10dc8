#include "gui/app/okna.h"

#include "gui/app/ffdmain.h"
#include "gui/app/ffdyzerr.h"
#include "gui/app/oknozastepcze.h"

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
  o.fdlosa = Zapamietaj(new QObject);
  o.fdlosa->setObjectName("fdlosa");
  o.ffddysp = Zastepcze("ffddysp", "Mikroplan", 220);
  o.ffddyzur = Zastepcze("ffddyzur", "Plan dyżurów", 200);
  o.ffdlista = Zastepcze("ffdlista", " Wybierz", 200);
  o.ffdlistab = Zastepcze("ffdlistab", "Lista wariantów", 200);
  o.ffdmomenty = Zastepcze("ffdmomenty", "Momenty dyżurowania", 110);
  o.ffdnaucz = Zastepcze("ffdnaucz", "Limity dyżurów", 130);
  o.ffdnowy = Zastepcze("ffdnowy", "Nowy plik planu dyżurów", 50);
  o.ffdodaj = Zastepcze("ffdodaj", "Sale", 120);
  o.ffdopcje = Zastepcze("ffdopcje", "Opcje", 240);
  o.ffdplann = Zastepcze("ffdplann", "Plan dyżurów nauczycieli", 210);
  o.ffdrejon = Zastepcze("ffdrejon", "Rejony dyżurów", 120);
  o.ffdstat = Zastepcze("ffdstat", "Statystyka obciążeń nauczycieli", 230);
  o.ffdruk = Zastepcze("ffdruk", "Orvel 05", 30);
  o.ffopcje = Zastepcze("ffopcje", "Wygląd tabeli", 40);
}

void ZniszczOkna() {
  for (auto it = g_okna.Kolejnosc.rbegin(); it != g_okna.Kolejnosc.rend(); ++it) delete it->data();
  g_okna = TOkna{};
}

}  // namespace velmor
