#pragma once
// The duty model as one JSON object (UTF-8); README shows its shape.
#include <string>

#include "core/document/dokument.h"

namespace velmor {

// The "version" field; files without it are the first form, whose cells name
// teachers by name only.
inline constexpr int kWersjaJson = 2;

std::string PlanJson(const TModele& m);

// An index into the object's lists, or null for one below 0.
std::string IndeksJson(int i);
// A JSON string of UTF-8 text, quoted and escaped.
std::string NapisJson(const std::string& utf8);

}  // namespace velmor
