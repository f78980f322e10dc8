// velmor-cli cover: absences of a date, the duties they leave open with the
// best candidates, the automatic day, and the term's ledger.
#include "core/eksport/zastepstwa.h"

#include <cstdio>
#include <iostream>

#include "cli/argumenty.h"
#include "cli/polecenia.h"
#include "core/archive/cp1250.h"
#include "core/archive/liczebnik.h"
#include "core/archive/sciezka.h"
#include "core/eksport/html.h"
#include "core/eksport/json.h"
#include "core/eksport/tabele.h"
#include "core/model/data.h"
#include "core/planning/pokrycie.h"
#include "core/planning/powody.h"

namespace velmor::cli {
namespace {

std::string Nazwa(const TModele& m, int t) {
  return m.Nauczyciele.Istnieje(t) ? Cp1250DoUtf8(m.Nauczyciele[t].NazwaNauczyciela())
                                   : std::string();
}

// "Nazwisko Imię" or "Nazwisko Imię:2-4" (away for periods 2 to 4).
TNieobecnosc Nieobecny(const TModele& m, const std::string& tekst, int od, int doo,
                       const std::string& powod) {
  const size_t dwukropek = tekst.rfind(':');
  TNieobecnosc n{0, od, doo, 0, 0, Utf8DoCp1250(powod)};
  std::string kto = tekst;
  if (dwukropek != std::string::npos) {
    kto = tekst.substr(0, dwukropek);
    const std::string lekcje = tekst.substr(dwukropek + 1);
    const size_t kreska = lekcje.find('-');
    const int pierwsza = Calkowita(lekcje.substr(0, kreska));
    const int ostatnia =
        kreska == std::string::npos ? pierwsza : Calkowita(lekcje.substr(kreska + 1));
    if (pierwsza < 1 || ostatnia < pierwsza || ostatnia > 255)
      throw EUzycie("--absent przyjmuje \"Nazwisko Imię\" albo \"Nazwisko Imię:OD-DO\": " + tekst);
    n.OdLekcji = static_cast<uint8_t>(pierwsza);
    n.DoLekcji = static_cast<uint8_t>(ostatnia);
  }
  n.Nauczyciel = static_cast<uint8_t>(WybranyNauczyciel(m, kto, ""));
  return n;
}

std::string Kto(const TModele& m, const TPozycjaPokrycia& p) {
  return p.Kto == kZamkniete ? "bez zastępstwa" : p.Kto >= 0 ? Nazwa(m, p.Kto) : "";
}

// The clean candidates (at most three), or why nobody can take the duty.
std::string Najlepsi(const TModele& m, int data, const TPozycjaPokrycia& p, const TZasadyOceny& z) {
  std::string tekst;
  int ile = 0;
  for (const TKandydatPokrycia& k : KandydaciPokrycia(m, data, p, z)) {
    if (!Czysty(k.Wariant) || ++ile > 3) break;
    tekst += (ile > 1 ? ", " : "") + Nazwa(m, k.Wariant.nauczyciel) + " " +
             std::to_string(k.Wariant.moc);
  }
  if (ile > 0) return tekst;
  TModele w = WidokDnia(m, data);
  w.Dyzury.UstawDyzurnego(p.Rejon, p.Moment, kBrak);
  return "nikt: " + OpisPowodow(w, PowodyPustej(w, p.Rejon, p.Moment, z));
}

void Dzien(const TModele& m, int data, const std::string& format, std::ostream& wyjscie) {
  const TZasadyOceny z = TZasadyOceny::Z(m.Opcje, true);
  const std::vector<TPozycjaPokrycia> pozycje = PozycjeDnia(m, data);
  if (format == "json") wyjscie << "{\"date\": \"" << DataIso(data) << "\", \"items\": [";
  else if (format == "tsv") wyjscie << "moment\tregion\tabsent\tcover\tcandidates\n";
  else
    wyjscie << DataIso(data) << ": "
            << Liczebnik(static_cast<int>(pozycje.size()), "dyżur", "dyżury", "dyżurów")
            << " do zastępstwa\n";
  for (size_t i = 0; i < pozycje.size(); ++i) {
    const TPozycjaPokrycia& p = pozycje[i];
    const std::string moment = EtykietaMomentu(m, p.Moment),
                      rejon = Cp1250DoUtf8(m.Rejony[p.Rejon].Nazwa),
                      najlepsi = p.Kto < 0 ? Najlepsi(m, data, p, z) : "";
    if (format == "json") {
      wyjscie << (i ? ",\n  " : "\n  ") << "{\"moment\": " << NapisJson(moment)
              << ", \"region\": " << NapisJson(rejon)
              << ", \"absent\": " << NapisJson(Nazwa(m, p.Nieobecny))
              << ", \"cover\": " << (p.Kto < 0 ? "null" : NapisJson(Kto(m, p)))
              << ", \"candidates\": " << NapisJson(najlepsi) << "}";
    } else if (format == "tsv") {
      wyjscie << moment << '\t' << rejon << '\t' << Nazwa(m, p.Nieobecny) << '\t' << Kto(m, p)
              << '\t' << najlepsi << '\n';
    } else {
      wyjscie << moment << ", " << rejon << ": " << Nazwa(m, p.Nieobecny) << " -> "
              << (p.Kto < 0 ? "? (" + najlepsi + ")" : Kto(m, p)) << '\n';
    }
  }
  if (format == "json") wyjscie << "\n]}\n";
}

void Ksiega(const TModele& m, const std::string& format, std::ostream& wyjscie) {
  const std::vector<TKsiega> k = KsiegaZastepstw(m);
  const char* naglowek = format == "tsv" ? "teacher\tplan\tgiven\treceived\tdropped\n"
                                         : "nauczyciel\tplan\tzastępstwa\tzastąpiony\todwołane\n";
  if (format == "json") wyjscie << "[";
  else wyjscie << naglowek;
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    const TKsiega& w = k[static_cast<size_t>(t)];
    if (format == "json")
      wyjscie << (t ? ",\n  " : "\n  ") << "{\"teacher\": " << NapisJson(Nazwa(m, t))
              << ", \"index\": " << t << ", \"plan\": " << w.Plan << ", \"given\": " << w.Dane
              << ", \"received\": " << w.Otrzymane << ", \"dropped\": " << w.Odwolane << "}";
    else
      wyjscie << Nazwa(m, t) << '\t' << w.Plan << '\t' << w.Dane << '\t' << w.Otrzymane << '\t'
              << w.Odwolane << '\n';
  }
  if (format == "json") wyjscie << "\n]\n";
}

}  // namespace

int Zastepstwa(const std::vector<std::string>& argumenty, std::ostream& wyjscie) {
  const TArgumenty a(argumenty, {"--date", "--until", "--absent", "--reason", "--format", "-o"},
                     {"--auto", "--ledger"});
  const std::string plan = JedenPlik(a), format = a.Opcja("--format").value_or("text");
  const bool strona = format == "html" || format == "message";
  if (format != "text" && format != "tsv" && format != "json" && !strona)
    throw EUzycie("--format przyjmuje text, tsv, json, html albo message: " + format);
  if (strona && a.Flaga("--ledger")) throw EUzycie("--ledger przyjmuje text, tsv albo json");
  if (a.Flaga("--ledger") && (a.Opcja("--date") || a.Flaga("--auto") || a.Opcja("--absent")))
    throw EUzycie("--ledger bez --date, --absent i --auto");
  TDokument d;
  if (!d.OtworzPlik(SciezkaZUtf8(plan), kRodzajPlanDyzurow)) return kBladOdczytu;
  if (a.Flaga("--ledger")) {
    Ksiega(d, format, wyjscie);
    return kSukces;
  }
  const int data = static_cast<int>(DataOpcji("--date", Wymagana(a, "--date")));
  if (DzienPlanu(d.Dni, data) < 0)
    std::cerr << "velmor-cli: ostrzeżenie: " << DataIso(data) << " nie jest dniem planu\n";
  const auto koniec = a.Opcja("--until");
  const int doDnia = koniec ? static_cast<int>(DataOpcji("--until", *koniec)) : data;
  if (doDnia < data) throw EUzycie("--until przed --date");
  if (koniec && a.Wszystkie("--absent").empty()) throw EUzycie("--until tylko z --absent");
  bool zmiana = false;
  for (const std::string& kto : a.Wszystkie("--absent")) {
    d.Zastepstwa.Nieobecnosci.push_back(
        Nieobecny(d, kto, data, doDnia, a.Opcja("--reason").value_or("")));
    zmiana = true;
  }
  UsunZbedne(d);
  if (a.Flaga("--auto")) {
    const size_t przed = d.Zastepstwa.Pokrycia.size();
    PokryjDzien(d, data, TZasadyOceny::Z(d.Opcje, true), TUstawieniaOptimum::Z(d.Opcje));
    zmiana |= d.Zastepstwa.Pokrycia.size() != przed;
  }
  if ((zmiana || a.Opcja("-o")) && !d.ZapiszPlik(SciezkaZUtf8(a.Opcja("-o").value_or(plan))))
    return kBladZapisu;
  if (format == "html") wyjscie << ZastepstwaHtml(d, data);
  else if (format == "message") wyjscie << ZastepstwaTekst(d, data);
  else Dzien(d, data, format, wyjscie);
  return kSukces;
}

}  // namespace velmor::cli
