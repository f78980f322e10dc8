#pragma once
// The command line of velmor-cli: a command, positional arguments and
// options, each option with its value.
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmor {
struct TModele;
}

namespace velmor::cli {

// A usage error: exit code 2.
class EUzycie : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TArgumenty {
 public:
  // `zWartoscia`: options that take a value; `flagi`: options without one.
  TArgumenty(const std::vector<std::string>& argumenty, const std::set<std::string>& zWartoscia,
             const std::set<std::string>& flagi);

  const std::vector<std::string>& Pozycyjne() const { return pozycyjne_; }
  // The value of an option, the last one where it is given more than once.
  std::optional<std::string> Opcja(const std::string& nazwa) const;
  // Every value of an option, in order.
  std::vector<std::string> Wszystkie(const std::string& nazwa) const;
  bool Flaga(const std::string& nazwa) const { return flagi_.count(nazwa) > 0; }
  // `tak` or `nie` (as "on" or "off"); nothing when the option is absent.
  std::optional<bool> Wlacznik(const std::string& nazwa, const std::string& tak,
                               const std::string& nie) const;
  // "A-B" (or "A"): an inclusive range of indices from 0.
  std::optional<std::pair<int, int>> Zakres(const std::string& nazwa) const;

 private:
  std::vector<std::string> pozycyjne_;
  std::map<std::string, std::vector<std::string>> opcje_;
  std::set<std::string> flagi_;
};

// The one positional argument, a file name.
const std::string& JedenPlik(const TArgumenty& a);
// The value of an option that must be given.
std::string Wymagana(const TArgumenty& a, const std::string& opcja);

// A whole number of decimal digits, -1 for anything else.
int Calkowita(const std::string& tekst);
// "YYYY-MM-DD" of that option as a date; a usage error otherwise.
double DataOpcji(const std::string& opcja, const std::string& tekst);
// The one teacher named "Nazwisko Imię"; a usage error with the close names
// when there is none, or, ending with `kilku`, when several share the name.
int WybranyNauczyciel(const TModele& m, const std::string& kto, const char* kilku);

}  // namespace velmor::cli
