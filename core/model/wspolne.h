#pragma once
// Values shared by every model.
#include <cstdint>

namespace velmor {

constexpr uint8_t kBrak = 251;       // no entry (any index past its list counts the same)
constexpr uint8_t kZamkniete = 252;  // duty cell closed to entries
constexpr int kBrakSlotu = 10000;    // a slot that does not exist
constexpr uint32_t kKolorDomyslny = 0x00A0F0F0;  // no colour of its own (0x00BBGGRR)

constexpr int kRodzajPlanLekcji = 1;   // timetable file
constexpr int kRodzajPlanDyzurow = 5;  // duty-plan file
constexpr int kWersjaZapisu = 103;     // version byte of every file written

}  // namespace velmor
