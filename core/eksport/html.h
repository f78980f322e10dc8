#pragma once
// The duty plan as one self-contained page for the staff room (UTF-8,
// XHTML-parsable): the plan in the regions' colours, then each teacher's
// duties and totals; printed, every table starts on a new page.
#include <optional>
#include <string>

#include "core/document/dokument.h"

namespace velmor {

// `szkola` (UTF-8) heads the page when given; `stan` is the day the page
// shows the plan as of.
std::string PlanHtml(const TModele& m, const std::string& szkola = "",
                     std::optional<double> stan = std::nullopt);

// A date's cover on a page of the same look: the absences, then each duty
// they leave and who takes it.
std::string ZastepstwaHtml(const TModele& m, int data);

}  // namespace velmor
