#pragma once
// The texts of a grid laid out once and kept: a repaint only places them.
// Names repeat all over a duty table, so a few hundred layouts serve it.
#include <QFont>
#include <QRect>
#include <QStaticText>
#include <array>
#include <string>
#include <unordered_map>

class QPainter;

namespace velmor {

class TUkladyTekstow {
 public:
  // Draws a Windows-1250 text into r as QPainter::drawText(r, flagi, text)
  // draws it, clipped to r. False when the text is to be drawn the full way,
  // and nothing is drawn then: the first time it is seen (a layout kept
  // costs more than one drawn), or when it holds a mnemonic or a line break.
  // Texts are kept per font index, laid out in the painter's font when first
  // kept: the owner paints index i in one font, and clears it on a change.
  bool Rysuj(QPainter& p, const std::string& tekst, int czcionka, const QRect& r, int flagi);
  // Font i changed: its layouts go.
  void Wyczysc(int czcionka) {
    uklady_[czcionka].clear();
    widziane_[czcionka].fill(0);
  }

 private:
  const QStaticText* Uklad(const std::string& tekst, int czcionka, const QFont& f);

  static constexpr size_t kNajwiecej = 4096;  // per font; more start over
  std::unordered_map<std::string, QStaticText> uklady_[3];
  // Hashes of texts seen once and not laid out, a slot per hash.
  std::array<size_t, kNajwiecej> widziane_[3] = {};
};

}  // namespace velmor
