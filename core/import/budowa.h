#pragma once
// What every reader of another program's timetable shares: the named lists,
// the lessons found, and the school models built from them.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/document/zapis_planu_lekcji.h"

namespace velmor {

// Names in order, each to its index. Texts are UTF-8.
class TNazwy {
 public:
  TNazwy(std::string format, std::string rodzaj)
      : format_(std::move(format)), rodzaj_(std::move(rodzaj)) {}
  // Raises for a name given twice or for more names than a list holds.
  int Dodaj(const std::string& nazwa);
  // The index of the name, added first when new.
  int Znajdz(const std::string& nazwa);
  // -1 for a name not given.
  int Indeks(const std::string& nazwa) const;
  const std::vector<std::string>& Wszystkie() const { return nazwy_; }
  int Liczba() const { return static_cast<int>(nazwy_.size()); }

 private:
  std::string format_, rodzaj_;
  std::vector<std::string> nazwy_;
  std::map<std::string, int> indeksy_;
};

// One lesson: from its day and hour on for `trwa` hours.
struct TLekcjaObca {
  int dzien = 0, godzina = 0, trwa = 1;
  std::vector<int> nauczyciele, oddzialy, sale;
  int przedmiot = 0;
  std::string opis = "zajęcia";  // in messages: "zajęcia 17"
};

struct TPlanObcy {
  explicit TPlanObcy(const std::string& nazwaFormatu)
      : format(nazwaFormatu),
        dni(nazwaFormatu, "dni"),
        godziny(nazwaFormatu, "godziny"),
        nauczyciele(nazwaFormatu, "nauczyciele"),
        przedmioty(nazwaFormatu, "przedmioty"),
        oddzialy(nazwaFormatu, "klasy"),
        sale(nazwaFormatu, "sale") {}
  std::string format;  // the start of every error message: "FET", "GPU"
  TNazwy dni, godziny, nauczyciele, przedmioty, oddzialy, sale;
  std::vector<std::string> etykietyGodzin;  // by hour; the name where missing or empty
  // By teacher: surname and first name; where missing, the name's last word
  // is the surname.
  std::vector<std::pair<std::string, std::string>> osoby;
  std::vector<TLekcjaObca> lekcje;

  [[noreturn]] void Blad(const std::string& powod) const;
  // Raises for no days or hours, and for more than the models hold.
  void SprawdzSiatke() const;
};

// The models the .tbx reader fills; raises for too many days or hours, for
// a lesson past the last hour and for a plan without lessons.
TSzkola Zbuduj(const TPlanObcy& plan);

// The whole file, within the bounds of every timetable reader.
std::string CzytajPlikObcy(const std::filesystem::path& plik, const std::string& format);

}  // namespace velmor
