#include "core/archive/cp1250.h"

#include <algorithm>
#include <array>
#include <utility>

namespace velmor {
namespace {

// Code points of bytes 0x80..0xFF.
// clang-format off
constexpr std::array<char16_t, 128> kGorna = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};
// clang-format on

void DopiszUtf8(std::string& wynik, char32_t z) {
  if (z < 0x80) {
    wynik += static_cast<char>(z);
  } else if (z < 0x800) {
    wynik += static_cast<char>(0xC0 | (z >> 6));
    wynik += static_cast<char>(0x80 | (z & 0x3F));
  } else {
    wynik += static_cast<char>(0xE0 | (z >> 12));
    wynik += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
    wynik += static_cast<char>(0x80 | (z & 0x3F));
  }
}

// Decodes one UTF-8 sequence at tekst[i]; advances i. Returns U+FFFD for a
// malformed sequence (one byte consumed).
char32_t NastepnyZnak(std::string_view tekst, size_t& i) {
  const auto b0 = static_cast<unsigned char>(tekst[i++]);
  if (b0 < 0x80) return b0;
  int dalsze = b0 >= 0xF0 && b0 < 0xF8 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC2 ? 1 : -1;
  if (dalsze < 0 || i + static_cast<size_t>(dalsze) > tekst.size()) return 0xFFFD;
  char32_t z = b0 & (0x3F >> dalsze);
  for (int k = 0; k < dalsze; ++k) {
    const auto b = static_cast<unsigned char>(tekst[i + static_cast<size_t>(k)]);
    if ((b & 0xC0) != 0x80) return 0xFFFD;
    z = (z << 6) | (b & 0x3F);
  }
  i += static_cast<size_t>(dalsze);
  return z;
}

// Lower case of a-z and of the Polish capitals of Windows-1250.
unsigned char MalaLitera(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + ('a' - 'A'));
  switch (c) {
    case 0xA5: return 0xB9;  // Ą
    case 0xC6: return 0xE6;  // Ć
    case 0xCA: return 0xEA;  // Ę
    case 0xA3: return 0xB3;  // Ł
    case 0xD1: return 0xF1;  // Ń
    case 0xD3: return 0xF3;  // Ó
    case 0x8C: return 0x9C;  // Ś
    case 0x8F: return 0x9F;  // Ź
    case 0xAF: return 0xBF;  // Ż
    default: return c;
  }
}

}  // namespace

char32_t Cp1250NaUnicode(unsigned char bajt) {
  return bajt < 0x80 ? char32_t{bajt} : char32_t{kGorna[bajt - 0x80]};
}

int UnicodeNaCp1250(char32_t znak) {
  if (znak < 0x80) return static_cast<int>(znak);
  for (size_t i = 0; i < kGorna.size(); ++i)
    if (kGorna[i] == znak) return static_cast<int>(0x80 + i);
  return -1;
}

std::string Utf8DoCp1250(std::string_view utf8) {
  std::string wynik;
  wynik.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const int b = UnicodeNaCp1250(NastepnyZnak(utf8, i));
    wynik += b < 0 ? '?' : static_cast<char>(b);
  }
  return wynik;
}

bool PoprawnyUtf8(std::string_view tekst) {
  for (size_t i = 0; i < tekst.size();) {
    const size_t od = i;
    if (NastepnyZnak(tekst, i) == 0xFFFD && tekst.substr(od, 3) != "\xEF\xBF\xBD") return false;
  }
  return true;
}

bool RowneBezWielkosciLiter(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return MalaLitera(static_cast<unsigned char>(x)) ==
                  MalaLitera(static_cast<unsigned char>(y));
         });
}

std::string MaleLitery(std::string_view tekst) {
  std::string wynik(tekst);
  for (char& c : wynik) c = static_cast<char>(MalaLitera(static_cast<unsigned char>(c)));
  return wynik;
}

std::string KluczPolski(std::string_view tekst) {
  // The Polish letters in lower case, with the letter each follows.
  static constexpr std::pair<unsigned char, char> kPolskie[] = {
      {0xB9, 'a'}, {0xE6, 'c'}, {0xEA, 'e'}, {0xB3, 'l'}, {0xF1, 'n'},
      {0xF3, 'o'}, {0x9C, 's'}, {0x9F, 'z'}, {0xBF, 'z'}};
  std::string klucz;
  for (const char c : MaleLitery(tekst)) {
    const auto b = static_cast<unsigned char>(c);
    int waga = b;  // not a letter: below 128 + 4 * 'a'
    if (b >= 'a' && b <= 'z') waga = 128 + 4 * b;
    for (const auto& [litera, po] : kPolskie)
      if (litera == b) waga = 128 + 4 * po + 1 + (b == 0xBF);
    klucz += static_cast<char>(waga >> 8);
    klucz += static_cast<char>(waga & 0xFF);
  }
  return klucz;
}

std::string Cp1250DoUtf8(std::string_view tekst) {
  std::string wynik;
  wynik.reserve(tekst.size() * 2);
  for (char c : tekst) DopiszUtf8(wynik, Cp1250NaUnicode(static_cast<unsigned char>(c)));
  return wynik;
}

}  // namespace velmor
