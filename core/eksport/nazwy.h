#pragma once
// Teachers found by name, and file names made from their names.
#include <string>
#include <string_view>
#include <vector>

#include "core/document/dokument.h"

namespace velmor {

// The teachers named "Nazwisko Imie" (or "Imie Nazwisko" when no one is
// named so), UTF-8, letter case and extra blanks ignored.
std::vector<int> ZnajdzNauczycieli(const TModele& m, std::string_view nazwa);

// Up to `ile` teachers' "Nazwisko Imie" closest to `nazwa` by edit distance
// or sharing its start, the closest first.
std::vector<std::string> PodobniNauczyciele(const TModele& m, std::string_view nazwa,
                                            size_t ile = 5);

// A file name from a teacher's name: ASCII letters (Polish letters and
// other accented ones lose their marks), digits, '-' and '_' only.
std::string NazwaPlikuNauczyciela(const TNaucz& n);

}  // namespace velmor
