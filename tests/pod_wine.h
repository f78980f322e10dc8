#pragma once
// The tests that cannot run under Wine, each with its reason: the Windows
// test programs leave them out (they are neither listed nor run).
#include <gtest/gtest.h>

#include <iostream>
#include <string>

namespace velmor::testy {

struct TPominiety {
  const char* Test;
  const char* Powod;
};

inline constexpr TPominiety kPominietePodWine[] = {
    {"Eksport.CalendarsHoldEachTeachersDutiesAtTheBreakBeforeThePeriod",
     "reads the calendars back with Python's icalendar, a Linux program Wine cannot start"},
    {"Eksport.OneTeachersCalendarStartsOnTheGivenDateForTheGivenWeeks",
     "reads the calendar back with Python's icalendar"},
    {"Eksport.CalendarsCancelWhatThePreviousPlanHadAndEndOnTheGivenDay",
     "expands the calendars' repetitions with Python's dateutil"},
    {"Eksport.TablesAndTheModelReadBackAsShowPrintsThem",
     "reads CSV, JSON and XHTML back with Python's parsers"},
    {"Eksport.OddNamesAndPeriodsSurviveEveryFormat",
     "reads every format back with Python's parsers"},
    {"Cli.CheckCountsProblemsAndStrictFailsOnThem", "reads the check's JSON back with Python"},
};

// After InitGoogleTest: the list joins the negative part of the filter.
inline void PominNiedzialajacePodWine() {
  std::string filtr = GTEST_FLAG_GET(filter);
  bool pierwszy = filtr.find('-') == std::string::npos;
  for (const TPominiety& p : kPominietePodWine) {
    filtr.append(pierwszy ? "-" : ":").append(p.Test);
    pierwszy = false;
  }
  GTEST_FLAG_SET(filter, filtr);
  if (GTEST_FLAG_GET(list_tests)) return;
  for (const TPominiety& p : kPominietePodWine)
    std::cout << "[ SKIPPED  ] " << p.Test << ": " << p.Powod << '\n';
}

}  // namespace velmor::testy
