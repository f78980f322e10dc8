// velmor-cli check: the plan check's findings as text, tsv or json.
#include "core/planning/kontrola.h"

#include <ostream>

#include "cli/argumenty.h"
#include "cli/polecenia.h"
#include "core/archive/cp1250.h"
#include "core/archive/sciezka.h"
#include "core/eksport/json.h"
#include "core/eksport/tabele.h"
#include "core/model/wspolne.h"

namespace velmor::cli {
namespace {

struct TMiejsce {
  std::string Moment, Rejon, Nauczyciel;  // UTF-8, empty when the finding has none
};

TMiejsce Miejsce(const TModele& m, const TUwaga& u) {
  TMiejsce w;
  if (u.Moment >= 0) w.Moment = EtykietaMomentu(m, u.Moment);
  if (m.Rejony.Istnieje(u.Rejon)) w.Rejon = Cp1250DoUtf8(m.Rejony[u.Rejon].Nazwa);
  if (m.Nauczyciele.Istnieje(u.Nauczyciel))
    w.Nauczyciel = Cp1250DoUtf8(m.Nauczyciele[u.Nauczyciel].NazwaNauczyciela());
  return w;
}

// A JSON string, or null for an empty one.
std::string Json(const std::string& utf8, bool pusteJakoNull = true) {
  return utf8.empty() && pusteJakoNull ? "null" : NapisJson(utf8);
}

void Tekst(const TModele& m, const std::vector<TUwaga>& uwagi, std::ostream& wyjscie) {
  for (const TUwaga& u : uwagi) {
    const TMiejsce g = Miejsce(m, u);
    std::string gdzie = g.Moment;
    if (!g.Rejon.empty()) gdzie += (gdzie.empty() ? "" : ", ") + g.Rejon;
    wyjscie << (gdzie.empty() ? "" : gdzie + ": ") << u.Tekst << '\n';
  }
}

void Tsv(const TModele& m, const std::vector<TUwaga>& uwagi, std::ostream& wyjscie) {
  wyjscie << "kind\tmoment\tregion\tteacher\tmessage\n";
  for (const TUwaga& u : uwagi) {
    const TMiejsce g = Miejsce(m, u);
    wyjscie << NazwaRodzaju(u.Rodzaj) << '\t' << g.Moment << '\t' << g.Rejon << '\t' << g.Nauczyciel
            << '\t' << u.Tekst << '\n';
  }
}

void JsonTablica(const TModele& m, const std::vector<TUwaga>& uwagi, std::ostream& wyjscie) {
  wyjscie << "[";
  for (size_t i = 0; i < uwagi.size(); ++i) {
    const TUwaga& u = uwagi[i];
    const TMiejsce g = Miejsce(m, u);
    wyjscie << (i == 0 ? "\n" : ",\n") << "  {\"kind\": " << Json(NazwaRodzaju(u.Rodzaj))
            << ", \"problem\": " << (JestProblemem(u) ? "true" : "false")
            << ", \"momentIndex\": " << IndeksJson(u.Moment) << ", \"moment\": " << Json(g.Moment)
            << ", \"regionIndex\": " << IndeksJson(m.Rejony.Istnieje(u.Rejon) ? u.Rejon : -1)
            << ", \"region\": " << Json(g.Rejon) << ", \"teacherIndex\": "
            << IndeksJson(m.Nauczyciele.Istnieje(u.Nauczyciel) ? u.Nauczyciel : -1)
            << ", \"teacher\": " << Json(g.Nauczyciel) << ", \"message\": " << Json(u.Tekst, false)
            << "}";
  }
  wyjscie << (uwagi.empty() ? "]\n" : "\n]\n");
}

}  // namespace

int Sprawdz(const std::vector<std::string>& argumenty, std::ostream& wyjscie) {
  const TArgumenty a(argumenty, {"--format"}, {"--strict"});
  if (a.Pozycyjne().size() != 1) throw EUzycie("podaj jeden plik planu");
  const std::string format = a.Opcja("--format").value_or("text");
  if (format != "text" && format != "tsv" && format != "json")
    throw EUzycie("nieznany format: " + format);
  TDokument d;
  if (!d.OtworzPlik(SciezkaZUtf8(a.Pozycyjne()[0]), kRodzajPlanDyzurow)) return kBladOdczytu;
  const std::vector<TUwaga> uwagi = KontrolaPlanu(d);
  size_t problemy = 0;
  for (const TUwaga& u : uwagi) problemy += JestProblemem(u);
  if (format == "json") JsonTablica(d, uwagi, wyjscie);
  else if (format == "tsv") Tsv(d, uwagi, wyjscie);
  else Tekst(d, uwagi, wyjscie);
  if (format == "text") wyjscie << "problems: " << problemy << '\n';
  return a.Flaga("--strict") && problemy > 0 ? kProblemy : kSukces;
}

}  // namespace velmor::cli
