#pragma once
// The demo school: a secondary school's timetable and a duty plan made from it.
#include <filesystem>

namespace velmor::demo {

// Writes demo.tbx (the timetable) and demo.vlm (the duty plan with moments,
// regions, limits and options, and a duty table empty but for its closed
// cells) into `folder`. False when a file could not be written.
bool ZapiszDemo(const std::filesystem::path& folder);

}  // namespace velmor::demo
