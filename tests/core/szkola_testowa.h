#pragma once
// The sample school the timetable readers' tests write and read back.
#include "core/document/zapis_planu_lekcji.h"

namespace velmor::testy {

// Days of 3, 2, 0 and 4 periods (9 slots) from Monday 1 September 2003, four
// teachers, three classes with split lessons, three rooms, three subjects
// with programme rows and groups. Bans are 0 and limits 0, as a timetable
// read leaves a fresh document; every index 251 of the sample is written as
// 1000 from v82.
TSzkola PrzykladowaSzkola();

}  // namespace velmor::testy
