#pragma once
// Windows-1250 text: the one 8-bit code page of every model text and file.
#include <string>
#include <string_view>

namespace velmor {

// Unicode code point of a Windows-1250 byte. The five bytes the code page
// leaves undefined map to the control characters of the same number.
char32_t Cp1250NaUnicode(unsigned char bajt);

// Windows-1250 byte of a code point, or -1 when the code page cannot hold it.
int UnicodeNaCp1250(char32_t znak);

// UTF-8 to Windows-1250; a character the code page cannot hold, and every
// malformed UTF-8 sequence, becomes "?".
std::string Utf8DoCp1250(std::string_view utf8);

// Whether the text is well-formed UTF-8.
bool PoprawnyUtf8(std::string_view tekst);

// Windows-1250 to UTF-8.
std::string Cp1250DoUtf8(std::string_view tekst);

// The text with a-z and the Polish capitals in lower case.
std::string MaleLitery(std::string_view tekst);

// A key that orders Windows-1250 texts as a Polish list is ordered: letter
// case ignored, each Polish letter right after its base letter (a ą b c ć
// ...), other characters before the letters.
std::string KluczPolski(std::string_view tekst);

// Windows-1250 texts equal when letter case is ignored for a-z and the
// Polish letters.
bool RowneBezWielkosciLiter(std::string_view a, std::string_view b);

}  // namespace velmor
