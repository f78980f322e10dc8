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
  // Weeks the events repeat for (COUNT); 0: up to Do.
  int Tygodnie = 0;
  // The last day an event may fall on; the end of the school year after the
  // first week's start when absent (KoniecRokuSzkolnego).
  std::optional<double> Do;
  // DTSTAMP of every event; SEQUENCE grows with it.
  std::time_t Znacznik = 0;
  // The plan of the previous export: its duties the plan no longer has are
  // written as cancelled events.
  const TModele* Poprzedni = nullptr;
};

// The last Friday of June on or after `data`: the end of a Polish school year.
double KoniecRokuSzkolnego(double data);

// Minutes after midnight at which a period labelled like "8:55-9:40" (or
// "8.55") starts; nothing when the label does not start with a time.
std::optional<int> PoczatekLekcji(std::string_view etykieta);

// The calendar of teacher t's duties, UTF-8 with CR LF lines. A plan of
// more than seven days repeats every as many weeks as it spans. Raises
// std::out_of_range when a date falls outside the years 1 to 9999.
std::string KalendarzNauczyciela(const TModele& m, int t, const TUstawieniaIcal& u);

// The calendars of every teacher with a duty (or, with a previous plan, a
// cancelled one; teachers gone from the plan too), each with its file in
// `folder`: named after the teacher, namesakes "-2", "-3" (letter case
// ignored, as some file systems ignore it). Raises as KalendarzNauczyciela.
std::vector<std::pair<std::filesystem::path, std::string>> KalendarzeNauczycieli(
    const TModele& m, const std::filesystem::path& folder, const TUstawieniaIcal& u);

}  // namespace velmor
