#pragma once
// The duty model as one JSON object (UTF-8); README shows its shape.
#include <string>

#include "core/document/dokument.h"

namespace velmor {

std::string PlanJson(const TModele& m);

}  // namespace velmor
