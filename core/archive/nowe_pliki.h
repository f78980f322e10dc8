#pragma once
// A set of new files put in place together: every target replaced, or none.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/archive/dysk.h"

namespace velmor {

// Files written in full under temporary names (see TPlikZastepczy) and put
// in place together by Zatwierdz; until then no target is touched, and
// whatever is not committed is removed. Every failure raises EStrumien.
class TNowePliki {
 public:
  void Dodaj(const std::filesystem::path& cel, std::string_view tresc);
  // Replaces the targets one by one, keeping each old file until all are in
  // place; when one cannot be replaced, the ones replaced already get their
  // old files back (a target that did not exist is removed again).
  void Zatwierdz();

 private:
  std::vector<std::unique_ptr<TPlikZastepczy>> pliki_;
};

// Writes every (target, content) pair as one TNowePliki: all or none.
void ZapiszRazem(const std::vector<std::pair<std::filesystem::path, std::string>>& pliki);

}  // namespace velmor
