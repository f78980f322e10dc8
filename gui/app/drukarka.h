#pragma once
// The program's printer: chosen and set up once, used by every printout.
class QPrinter;

namespace velmor {

QPrinter& Drukarka();

}  // namespace velmor
