#pragma once
// Delimited text files of other programs: their encoding and their rows.
#include <string>
#include <string_view>
#include <vector>

namespace velmor {

enum class TKodowanie { Samo, Utf8, Cp1250 };

// The text in UTF-8 without a byte order mark. Samo takes well-formed UTF-8
// as UTF-8 and anything else as Windows-1250.
std::string TekstUtf8(std::string_view surowy, TKodowanie kodowanie);

struct TWierszTekstu {
  int linia = 0;  // of its first field, from 1
  std::vector<std::string> pola;
};

// Rows of fields split at the separator, a field in double quotes may hold
// the separator, line ends and "" for a quote. Empty lines are skipped.
// Raises EStrumien ("FORMAT: wiersz N: ...") for a quote left open.
std::vector<TWierszTekstu> Wiersze(std::string_view tekst, char separator,
                                   const std::string& format);

// ',' or ';', whichever the first line holds more of outside quotes.
char Separator(std::string_view tekst);

}  // namespace velmor
