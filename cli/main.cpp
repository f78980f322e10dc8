// velmor-cli: the duty-plan documents without a display.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/argumenty.h"
#include "cli/polecenia.h"
#include "cli/system.h"
#include "core/archive/bledy.h"
#include "core/eksport/formaty.h"
#include "core/model/opcje.h"

namespace {

using namespace velmor;

// fill's on|off switches, from the table of plan options.
std::string Przelaczniki(bool optymalnie) {
  std::string wynik;
  for (const TOpisOpcji& o : kOpcje)
    if (o.Cli && o.TylkoOptymalnie == optymalnie)
      wynik.append(" [").append(o.Cli).append(" ").append(o.Tak).append("|").append(o.Nie) += "]";
  return wynik;
}

// A line on each export format, from the table of formats.
std::string OpisyFormatow() {
  std::string wynik;
  for (const TFormatEksportu& f : kFormatyEksportu)
    wynik += std::string("        ") + f.Nazwa + " - " + f.Opis + "\n";
  return wynik;
}

std::string Pomoc() {
  return std::string(
             "Użycie: velmor-cli POLECENIE [ARGUMENTY]\n"
             "\n"
             "  info PLIK [--timetable] [--format tbx|fet|fet-csv|gpu] [--encoding utf-8|cp1250]\n"
             "       [--teachers GPU004.TXT] [--rooms GPU005.TXT]\n"
             "      podsumowanie pliku planu dyżurów (albo planu lekcji)\n"
             "  new PLAN_LEKCJI -o PLAN [--from POPRZEDNI] [--keep moments,regions,limits,plan]\n"
             "       [--format tbx|fet|fet-csv|gpu] [--encoding utf-8|cp1250]\n"
             "       [--teachers GPU004.TXT] [--rooms GPU005.TXT]\n"
             "      nowy plan dyżurów z planu lekcji (.tbx, FET, plików GPU)\n"
             "  fill PLAN [-o WYNIK] [--regions A-B] [--moments A-B]\n"
             "      ") +
         Przelaczniki(false) + "\n       [--optimal" + Przelaczniki(true) +
         " [--time-limit SEKUNDY]]\n" +
         "      wpisywanie automatyczne (--optimal: optymalne, solwerem CBC)\n"
         "  save PLIK -o WYNIK\n"
         "      zapis pliku planu dyżurów w bieżącej postaci\n"
         "  show PLAN [--view duty|teachers|loads|limits|duties] [--format text|tsv]\n"
         "      tabela planu\n"
         "  check PLAN [--format text|tsv|json] [--strict]\n"
         "      kontrola planu: puste komórki, limity, zakazy, obecność, rozkład\n"
         "  export PLAN --format " +
         NazwyFormatow("|") +
         " -o WYNIK\n"
         "       [--teacher \"Nazwisko Imię\"] [--from RRRR-MM-DD] [--weeks N | --until "
         "RRRR-MM-DD]\n"
         "       [--previous STARY_PLAN] [--view WIDOK] [--excel] [--school NAZWA]\n"
         "       [--teachers GPU004.TXT]\n"
         "      eksport planu:\n" +
         OpisyFormatow() +
         "  cover PLAN --date RRRR-MM-DD [--absent \"Nazwisko Imię\"[:OD-DO]]... [--until "
         "RRRR-MM-DD]\n"
         "       [--reason TEKST]"
         " [--auto] [--format text|tsv|json|html|message] [-o WYNIK]\n"
         "      zastępstwa dnia: dyżury nieobecnych, najlepsi kandydaci (--auto: wpisani)\n"
         "  cover PLAN --ledger [--format text|tsv|json]\n"
         "      zastępstwa w semestrze, nauczyciel po nauczycielu\n" +
         "  --help, --version\n"
         "\n"
         "Kody wyjścia: 0 sukces, 1 błąd odczytu, 2 błędne użycie, 3 błąd zapisu,\n"
         "4 problemy znalezione przez check --strict.\n";
}

int Wykonaj(const std::string& polecenie, const std::vector<std::string>& argumenty) {
  if (polecenie == "info") return cli::Info(argumenty, std::cout);
  if (polecenie == "new") return cli::Nowy(argumenty, std::cout);
  if (polecenie == "fill") return cli::Wypelnij(argumenty, std::cout);
  if (polecenie == "save") return cli::Zapisz(argumenty, std::cout);
  if (polecenie == "show") return cli::Pokaz(argumenty, std::cout);
  if (polecenie == "check") return cli::Sprawdz(argumenty, std::cout);
  if (polecenie == "export") return cli::Eksportuj(argumenty, std::cout);
  if (polecenie == "cover") return cli::Zastepstwa(argumenty, std::cout);
  throw cli::EUzycie("nieznane polecenie: " + polecenie);
}

}  // namespace

int main(int argc, char** argv) {
  cli::UstawKonsole();
  const std::vector<std::string> argumenty = cli::ArgumentyProgramu(argc, argv);
  if (argumenty.size() == 1 && argumenty[0] == "--version") {
    std::cout << "velmor-cli " VELMOR_WERSJA "\n";
    return cli::kSukces;
  }
  if (argumenty.size() == 1 && (argumenty[0] == "--help" || argumenty[0] == "-h")) {
    std::cout << Pomoc();
    return cli::kSukces;
  }
  if (argumenty.empty()) {
    std::cerr << Pomoc();
    return cli::kBladUzycia;
  }
  TRaportKonsoli raport;
  TZmianaRaportu zmiana(&raport);
  try {
    return Wykonaj(argumenty[0], {argumenty.begin() + 1, argumenty.end()});
  } catch (const cli::EUzycie& e) {
    std::cerr << "velmor-cli: " << e.what() << "\nvelmor-cli --help opisuje polecenia.\n";
    return cli::kBladUzycia;
  }
}
