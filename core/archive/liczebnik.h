#pragma once
// A count with its noun in the Polish form the count takes.
#include <string>

namespace velmor {

// "1 dyżur", "3 dyżury", "5 dyżurów", "12 dyżurów", "22 dyżury": `jeden` for
// 1, `kilka` when the last digit is 2 to 4 (but not 12 to 14), `wiele`
// otherwise. The forms are UTF-8.
std::string Liczebnik(int n, const char* jeden, const char* kilka, const char* wiele);

}  // namespace velmor
