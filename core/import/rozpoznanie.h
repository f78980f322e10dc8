#pragma once
// Which program's timetable a file holds, from its first bytes.
#include <filesystem>

namespace velmor {

enum class TFormatPlanuLekcji { Tbx, Fet };

// XML is FET's; everything else is read as a .tbx timetable, whose reader
// says what is wrong with it.
TFormatPlanuLekcji RozpoznajPlanLekcji(const std::filesystem::path& plik);

}  // namespace velmor
