#include "cli/polecenia.h"

#include <cmath>
#include <exception>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "cli/argumenty.h"
#include "cli/widoki.h"
#include "core/archive/sciezka.h"
#include "core/import/rozpoznanie.h"
#include "core/model/opcje.h"
#include "core/planning/nowyplan.h"
#include "core/planning/optimum.h"
#include "core/planning/wpis.h"

namespace velmor::cli {
namespace {

int Zapis(TDokument& d, const std::string& plik) {
  return d.ZapiszPlik(SciezkaZUtf8(plik)) ? kSukces : kBladZapisu;
}

const char* const kPolaPrzeniesienia[] = {"moments", "regions", "limits", "plan"};

// The boxes named in a comma-separated list; unknown names are a usage error.
std::array<bool, 4> Przenies(const std::string& lista) {
  std::array<bool, 4> wynik{};
  std::stringstream s(lista);
  for (std::string nazwa; std::getline(s, nazwa, ',');) {
    if (nazwa.empty()) continue;
    const auto it = std::find(std::begin(kPolaPrzeniesienia), std::end(kPolaPrzeniesienia), nazwa);
    if (it == std::end(kPolaPrzeniesienia)) throw EUzycie("nieznana pozycja --keep: " + nazwa);
    wynik[static_cast<size_t>(it - std::begin(kPolaPrzeniesienia))] = true;
  }
  return wynik;
}

// Option bytes 0, 1 and 2 as the switches set them; absent switches keep theirs.
// fill's options: its own, and the on|off switch of each plan option.
std::set<std::string> OpcjeWypelniania() {
  std::set<std::string> opcje{"-o", "--regions", "--moments", "--time-limit"};
  for (const TOpisOpcji& o : kOpcje)
    if (o.Cli) opcje.insert(o.Cli);
  return opcje;
}

// The plan options the switches set; they are saved with the plan, as the
// options dialog keeps them.
void UstawOpcje(const TArgumenty& a, TOpcje& opcje) {
  const bool optymalnie = a.Flaga("--optimal");
  for (const TOpisOpcji& o : kOpcje) {
    if (!o.Cli) continue;
    const std::optional<bool> wlacznik = a.Wlacznik(o.Cli, o.Tak, o.Nie);
    if (!wlacznik) continue;
    if (o.TylkoOptymalnie && !optymalnie) throw EUzycie(std::string(o.Cli) + " tylko z --optimal");
    opcje.Ustaw(o.Opcja, *wlacznik);
  }
}

// A time limit in seconds: a number above zero.
double Sekundy(const std::string& tekst) {
  size_t koniec = 0;
  double s = 0;
  try {
    s = std::stod(tekst, &koniec);
  } catch (const std::exception&) {
    koniec = 0;
  }
  if (koniec == 0 || koniec != tekst.size() || !(s > 0) || !std::isfinite(s))
    throw EUzycie("--time-limit przyjmuje liczbę sekund większą od zera: " + tekst);
  return s;
}

// The fair plan against the most convenient plan of its cells: their
// scores and spreads of the loads.
void OpiszRownosc(const TWynikOptimum& w, bool najpierw, std::ostream& wyjscie) {
  const TRozpietosc &a = w.Wygodny, &b = w.Wpisany;
  if (!najpierw) {
    wyjscie << "fairness last: score " << w.Punkty << ", largest load "
            << Procent(b.NajwiekszeObciazenie) << " %, largest count " << b.NajwiecejDyzurow
            << ", teachers without a duty " << b.BezDyzuru << '\n';
    return;
  }
  wyjscie << "fairness first" << (w.Wyrownany ? "" : " (not proven)") << ": score " << w.Punkty
          << ", the most convenient plan " << w.PunktyWygodne << "; fairness costs " << std::fixed
          << std::setprecision(1) << w.CenaRownosci() << " %\nlargest load "
          << Procent(a.NajwiekszeObciazenie) << " % -> " << Procent(b.NajwiekszeObciazenie)
          << " %, largest count " << a.NajwiecejDyzurow << " -> " << b.NajwiecejDyzurow
          << ", teachers without a duty " << a.BezDyzuru << " -> " << b.BezDyzuru << '\n';
}

// --format, --encoding, --teachers and --rooms of a timetable.
TOdczytPlanuLekcji JakCzytac(const TArgumenty& a, const std::filesystem::path& plik) {
  static const std::map<std::string, TFormatPlanuLekcji> kFormaty = {
      {"tbx", TFormatPlanuLekcji::Tbx},
      {"fet", TFormatPlanuLekcji::Fet},
      {"fet-csv", TFormatPlanuLekcji::FetCsv},
      {"gpu", TFormatPlanuLekcji::Gpu}};
  static const std::map<std::string, TKodowanie> kKodowania = {{"utf-8", TKodowanie::Utf8},
                                                               {"cp1250", TKodowanie::Cp1250}};
  TOdczytPlanuLekcji jak;
  if (const auto f = a.Opcja("--format")) {
    const auto i = kFormaty.find(*f);
    if (i == kFormaty.end()) throw EUzycie("--format przyjmuje tbx, fet, fet-csv albo gpu: " + *f);
    jak.format = i->second;
  }
  jak.gpu004 = SciezkaZUtf8(a.Opcja("--teachers").value_or(""));
  jak.gpu005 = SciezkaZUtf8(a.Opcja("--rooms").value_or(""));
  const bool gpu = jak.format == TFormatPlanuLekcji::Gpu ||
                   (jak.format == TFormatPlanuLekcji::Samo &&
                    RozpoznajPlanLekcji(plik) == TFormatPlanuLekcji::Gpu);
  if (!gpu && (!jak.gpu004.empty() || !jak.gpu005.empty()))
    throw EUzycie("--teachers i --rooms tylko z plikami GPU");
  if (const auto k = a.Opcja("--encoding")) {
    const auto i = kKodowania.find(*k);
    if (i == kKodowania.end()) throw EUzycie("--encoding przyjmuje utf-8 albo cp1250: " + *k);
    jak.kodowanie = i->second;
  }
  return jak;
}

}  // namespace

int Info(const std::vector<std::string>& argumenty, std::ostream& wyjscie) {
  const TArgumenty a(argumenty, {"--format", "--encoding", "--teachers", "--rooms"},
                     {"--timetable"});
  TDokument d;
  const std::filesystem::path plik = SciezkaZUtf8(JedenPlik(a));
  const TOdczytPlanuLekcji jak = JakCzytac(a, plik);
  // Other programs' files can only be timetables.
  const bool lekcje = a.Flaga("--timetable") || jak.format != TFormatPlanuLekcji::Samo ||
                      RozpoznajPlanLekcji(plik) != TFormatPlanuLekcji::Tbx;
  if (!d.OtworzPlik(plik, lekcje ? kRodzajPlanLekcji : kRodzajPlanDyzurow, jak))
    return kBladOdczytu;
  int zajete = 0, puste = 0, zamkniete = 0;
  for (int m = 0; m < d.Dyzury.LiczbaMomentow(); ++m)
    for (uint8_t v : d.Dyzury.Wiersz(m).Elementy()) {
      if (d.Nauczyciele.Istnieje(v)) ++zajete;
      else if (v == kZamkniete) ++zamkniete;
      else ++puste;
    }
  wyjscie << "version: " << d.WersjaPliku << "\ndays: " << d.Dni.Dni.size()
          << "\nslots: " << d.Dni.LiczbaSlotow() << "\nteachers: " << d.Nauczyciele.Liczba()
          << "\nclasses: " << d.Oddzialy.Liczba() << "\nsubjects: " << d.Przedmioty.Liczba()
          << "\nrooms: " << d.Sale.Liczba() << "\nmoments: " << d.Momenty.Liczba()
          << "\nregions: " << d.Rejony.Liczba() << "\nfilled: " << zajete << "\nempty: " << puste
          << "\nclosed: " << zamkniete << '\n';
  return kSukces;
}

int Nowy(const std::vector<std::string>& argumenty, std::ostream& wyjscie) {
  const TArgumenty a(
      argumenty, {"-o", "--from", "--keep", "--format", "--encoding", "--teachers", "--rooms"}, {});
  const std::string plan = JedenPlik(a), wynik = Wymagana(a, "-o");
  TDokument d;
  if (const auto poprzedni = a.Opcja("--from"))
    if (!d.OtworzPlik(SciezkaZUtf8(*poprzedni), kRodzajPlanDyzurow)) return kBladOdczytu;
  const TKsztaltPlanu ksztalt = TKsztaltPlanu::Z(d);
  if (!d.OtworzPlik(SciezkaZUtf8(plan), kRodzajPlanLekcji, JakCzytac(a, SciezkaZUtf8(plan))))
    return kBladOdczytu;
  const TPolaPrzeniesienia pola = TPolaPrzeniesienia::Z(ksztalt, d);
  std::array<bool, 4> przenies = pola.Zaznaczone;
  if (const auto lista = a.Opcja("--keep")) {
    przenies = Przenies(*lista);
    for (size_t i = 0; i < 4; ++i) {
      if (przenies[i] && !pola.Dostepne[i]) {
        std::cerr << "velmor-cli: ostrzeżenie: nie ma czego przenieść (" << kPolaPrzeniesienia[i]
                  << "), pominięto\n";
        przenies[i] = false;
      }
    }
  }
  if (pola.JakiesDostepne()) std::cerr << TDopasowaniePlanu::Z(ksztalt, d).Opis() << '\n';
  PrzebudujPlan(d, ksztalt, przenies);
  if (Zapis(d, wynik) != kSukces) return kBladZapisu;
  wyjscie << "created " << wynik << '\n';
  return kSukces;
}

int Wypelnij(const std::vector<std::string>& argumenty, std::ostream& wyjscie) {
  const TArgumenty a(argumenty, OpcjeWypelniania(), {"--optimal"});
  const std::string plan = JedenPlik(a);
  const auto rejony = a.Zakres("--regions"), momenty = a.Zakres("--moments");
  TDokument d;
  if (!d.OtworzPlik(SciezkaZUtf8(plan), kRodzajPlanDyzurow)) return kBladOdczytu;
  UstawOpcje(a, d.Opcje);
  TObszar obszar = CalaTabela(d.Dyzury);
  if (rejony) obszar.RejonOd = rejony->first, obszar.RejonDo = rejony->second;
  if (momenty) obszar.MomentOd = momenty->first, obszar.MomentDo = momenty->second;
  const TZasadyOceny zasady = TZasadyOceny::Z(d.Opcje, true);
  if (!a.Flaga("--optimal")) {
    if (a.Opcja("--time-limit")) throw EUzycie("--time-limit tylko z --optimal");
    TWyborAutomatyczny wybor;
    TListaWariantow lista;
    const int wpisano = wpisz_warianty(d, obszar, zasady, wybor, lista);
    if (Zapis(d, a.Opcja("-o").value_or(plan)) != kSukces) return kBladZapisu;
    wyjscie << "filled " << wpisano << " cells\n";
    return kSukces;
  }
  TUstawieniaOptimum u = TUstawieniaOptimum::Z(d.Opcje);
  if (const auto limit = a.Opcja("--time-limit")) u.LimitSekund = Sekundy(*limit);
  const TWynikOptimum w = wpisz_optymalnie(d, obszar, zasady, u);
  if (Zapis(d, a.Opcja("-o").value_or(plan)) != kSukces) return kBladZapisu;
  wyjscie << "filled " << w.Wpisano << " cells\n";
  if (w.Optymalny) wyjscie << "optimal\n";
  else
    wyjscie << "stopped after " << std::fixed << std::setprecision(1) << w.Sekundy << " s; at most "
            << w.NajwyzejMozliwe << " cells possible\n";
  if (w.Kawalki > 1)
    wyjscie << "too large at once: solved in " << w.Kawalki << " runs of moments\n";
  OpiszRownosc(w, u.NajpierwRowno, wyjscie);
  return kSukces;
}

int Zapisz(const std::vector<std::string>& argumenty, std::ostream&) {
  const TArgumenty a(argumenty, {"-o"}, {});
  const std::string plik = JedenPlik(a), wynik = Wymagana(a, "-o");
  TDokument d;
  if (!d.OtworzPlik(SciezkaZUtf8(plik), kRodzajPlanDyzurow)) return kBladOdczytu;
  return Zapis(d, wynik);
}

int Pokaz(const std::vector<std::string>& argumenty, std::ostream& wyjscie) {
  const TArgumenty a(argumenty, {"--view", "--format"}, {});
  const std::string plik = JedenPlik(a);
  const std::string widok = a.Opcja("--view").value_or("duty");
  const std::string format = a.Opcja("--format").value_or("text");
  if (!ZnanyWidok(widok)) throw EUzycie("nieznany widok: " + widok);
  if (format != "text" && format != "tsv") throw EUzycie("nieznany format: " + format);
  TDokument d;
  if (!d.OtworzPlik(SciezkaZUtf8(plik), kRodzajPlanDyzurow)) return kBladOdczytu;
  const TTabela t = Widok(d, widok);
  wyjscie << (format == "tsv" ? JakoTsv(t) : JakoTekst(t));
  return kSukces;
}

}  // namespace velmor::cli
