#pragma once
// Reads FET's results as CSV (NAME_timetable.csv, one row per hour of a
// lesson) into the school models a .tbx timetable fills.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/document/zapis_planu_lekcji.h"

namespace velmor {

// The lists FET writes beside the timetable; any may be empty. They map
// groups to their years and keep names with a '+' whole.
struct TObokFetCsv {
  std::string uczniowie, nauczyciele, sale;  // NAME_students.csv, _teachers, _rooms_and_buildings
};

// Raises EStrumien with the reason in one line.
TSzkola CzytajFetCsv(std::string_view tekst, const TObokFetCsv& obok = {});
// Reads the lists beside the file when FET wrote them.
TSzkola CzytajFetCsv(const std::filesystem::path& plik);

// Whether the text starts with the header of FET's timetable CSV.
bool NaglowekFetCsv(std::string_view poczatek);

}  // namespace velmor
