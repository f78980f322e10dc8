#include "gui/app/okna.h"

#include "gui/app/fdlosa.h"
#include "gui/app/ffdmain.h"
#include "gui/app/ffdyzerr.h"
#include "gui/editors/ffdmomenty.h"
#include "gui/editors/ffdnaucz.h"
#include "gui/editors/ffdnowy.h"
#include "gui/editors/ffdodaj.h"
#include "gui/editors/ffdrejon.h"
#include "gui/planning/ffdlista.h"
#include "gui/planning/ffdlistab.h"
#include "gui/planning/ffddysp.h"
#include "gui/planning/ffdplann.h"
#include "gui/planning/ffdstat.h"

namespace velmor {
namespace {

TOkna g_okna;

template <typename T>
T* Zapamietaj(T* obiekt) {
  g_okna.Kolejnosc.append(obiekt);
  return obiekt;
}

// The duty plan editor reaches the chooser and the variant list.
void PodlaczPlanDyzurow(Tffddyzur& plan) {
  plan.WybierzNauczyciela = [](const std::vector<int>& nauczyciele, int litera, int moment) {
    Tffdlista& lista = *g_okna.ffdlista;
    lista.otworz_liste(1, litera);
    for (int t : nauczyciele) lista.dodaj_pozycje(t, t, t);
    return lista.wybierz_pozycje(moment);
  };
  plan.ListaWariantow = g_okna.ffdlistab;
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
  o.ffddysp = Zapamietaj(new Tffddysp(glowne.Dokument(), kMikroplanGlowny));
  o.ffddyzur = Zapamietaj(new Tffddyzur(glowne.Dokument()));
  o.ffdlista = Zapamietaj(new Tffdlista(glowne.Dokument()));
  o.ffdlistab = Zapamietaj(new Tffdlistab(glowne.Dokument()));
  o.ffdmomenty = Zapamietaj(new Tffdmomenty(glowne.Dokument()));
  o.ffdnaucz = Zapamietaj(new Tffdnaucz(glowne.Dokument()));
  o.ffdnowy = Zapamietaj(new Tffdnowy(glowne.Dokument(), *o.fdlosa,
                                      [&glowne] { return glowne.ZapytajOZapis(); }));
  o.ffdodaj = Zapamietaj(new Tffdodaj(glowne.Dokument()));
  o.ffdopcje = Zapamietaj(new Tffdopcje(glowne.Dokument().Opcje));
  o.ffdplann = Zapamietaj(new Tffdplann(glowne.Dokument()));
  o.ffdrejon = Zapamietaj(new Tffdrejon(glowne.Dokument()));
  o.ffdstat = Zapamietaj(new Tffdstat(glowne.Dokument()));
  o.ffdruk = Zapamietaj(new Tffdruk);
  o.ffopcje = Zapamietaj(new Tffopcje);
  PodlaczPlanDyzurow(*o.ffddyzur);
}

void ZniszczOkna() {
  for (auto it = g_okna.Kolejnosc.rbegin(); it != g_okna.Kolejnosc.rend(); ++it) delete it->data();
  g_okna = TOkna{};
}

}  // namespace velmor
