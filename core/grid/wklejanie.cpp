#include "core/grid/wklejanie.h"

#include <optional>

#include "core/archive/cp1250.h"

namespace velmor {
namespace {

constexpr char32_t kZly = 0xFFFD;

// Code points of UTF-8 text, one at a time. A malformed or overlong sequence
// gives U+FFFD for its first byte, so no encoding trick can pass for a tab,
// line feed or quote.
class TZnakiUtf8 {
 public:
  explicit TZnakiUtf8(std::string_view t) : t_(t) {}

  std::optional<char32_t> Nastepny() {
    if (i_ >= t_.size()) return std::nullopt;
    const auto b0 = Bajt(i_++);
    if (b0 < 0x80) return b0;
    const int dalsze = b0 >= 0xF0 && b0 < 0xF5   ? 3
                       : b0 >= 0xE0 && b0 < 0xF0 ? 2
                       : b0 >= 0xC2 && b0 < 0xE0 ? 1
                                                 : 0;
    if (dalsze == 0 || i_ + static_cast<size_t>(dalsze) > t_.size()) return kZly;
    char32_t z = b0 & (0x3F >> dalsze);
    for (int k = 0; k < dalsze; ++k) {
      const auto b = Bajt(i_ + static_cast<size_t>(k));
      if ((b & 0xC0) != 0x80) return kZly;
      z = (z << 6) | (b & 0x3F);
    }
    static constexpr char32_t kNajmniejszy[] = {0, 0x80, 0x800, 0x10000};
    if (z < kNajmniejszy[dalsze] || z > 0x10FFFF || (z >= 0xD800 && z <= 0xDFFF)) return kZly;
    i_ += static_cast<size_t>(dalsze);
    return z;
  }

 private:
  char32_t Bajt(size_t i) const { return static_cast<unsigned char>(t_[i]); }

  std::string_view t_;
  size_t i_ = 0;
};

class TParser {
 public:
  using TDostarcz = std::function<void(int, int, const std::string&)>;
  TParser(bool excelStyl, int ilx, int ily, const TDostarcz& dostarcz)
      : excelStyl_(excelStyl), ilx_(ilx), ily_(ily), dostarcz_(dostarcz) {}

  // `konczyWiersz`: the next character is CR or there is none.
  void Znak(char32_t z, bool konczyWiersz) {
    if (z != '\r') wierszNiepusty_ = true;
    switch (z) {
      case '\t':
        if (!konczyWiersz) KoniecOczka();
        break;
      case '\n':
        if (wCudzyslowie_) {
          tekst_ += "\r\n";
        } else {
          KoniecWiersza();
        }
        break;
      case '\r': break;
      case '"':
        if (excelStyl_) wCudzyslowie_ = !wCudzyslowie_;
        break;
      default: {
        const int b = UnicodeNaCp1250(z);
        tekst_ += b < 0 ? '?' : static_cast<char>(b);
      }
    }
  }

  void Koniec() {
    if (wierszNiepusty_) KoniecWiersza();
  }

 private:
  void KoniecOczka() {
    if (i_ < ilx_ && j_ < ily_) dostarcz_(i_, j_, tekst_);
    ++i_;
    tekst_.clear();
  }
  void KoniecWiersza() {
    KoniecOczka();
    i_ = 0;
    ++j_;
    wierszNiepusty_ = false;
  }

  bool excelStyl_;
  int ilx_, ily_;
  const TDostarcz& dostarcz_;
  int i_ = 0, j_ = 0;
  std::string tekst_;
  bool wCudzyslowie_ = false;
  bool wierszNiepusty_ = false;
};

}  // namespace

void ParsujWklejenie(
    std::string_view utf8, bool excelStyl, int ilx, int ily,
    const std::function<void(int i, int j, const std::string& tekstCp1250)>& dostarcz) {
  TZnakiUtf8 znaki(utf8);
  TParser parser(excelStyl, ilx, ily, dostarcz);
  size_t wziete = 0;
  auto z = znaki.Nastepny();
  while (z && wziete < kNajwiecejZnakowWklejenia) {
    ++wziete;
    auto nastepny = wziete < kNajwiecejZnakowWklejenia ? znaki.Nastepny() : std::nullopt;
    parser.Znak(*z, !nastepny || *nastepny == '\r');
    z = nastepny;
  }
  parser.Koniec();
}

}  // namespace velmor
