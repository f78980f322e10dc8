#pragma once
// A teacher's duties as an iCalendar file (RFC 5545): one weekly event per
// duty, at the break before its period, in Europe/Warsaw time.
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/document/dokument.h"

namespace velmor {

struct TUstawieniaIcal {
  // The date the first week starts on; the plan's start date when absent.
  std::optional<double> Od;
  // Weeks the events repeat for; 0: without end.
  int Tygodnie = 0;
  // DTSTAMP of every event.
  std::time_t Znacznik = 0;
};

// Minutes after midnight at which a period labelled like "8:55-9:40" (or
// "8.55") starts; nothing when the label does not start with a time.
std::optional<int> PoczatekLekcji(std::string_view etykieta);

// The calendar of teacher t's duties, UTF-8 with CR LF lines. A plan of
// more than seven days repeats every as many weeks as it spans. Raises
// std::out_of_range when a date falls outside the years 1 to 9999.
std::string KalendarzNauczyciela(const TModele& m, int t, const TUstawieniaIcal& u);

// The calendars of every teacher with a duty, each with its file in
// `folder`: named after the teacher, namesakes "-2", "-3" (letter case
// ignored, as some file systems ignore it). Raises as KalendarzNauczyciela.
std::vector<std::pair<std::filesystem::path, std::string>> KalendarzeNauczycieli(
    const TModele& m, const std::filesystem::path& folder, const TUstawieniaIcal& u);

}  // namespace velmor
