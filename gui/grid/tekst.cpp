#include "gui/grid/tekst.h"

#include <QDir>

#include "core/archive/cp1250.h"
#include "core/archive/sciezka.h"

namespace velmor {

QString QTekst(std::string_view cp1250) {
  QString wynik;
  wynik.reserve(static_cast<qsizetype>(cp1250.size()));
  for (char c : cp1250)
    wynik += QChar(static_cast<char16_t>(Cp1250NaUnicode(static_cast<unsigned char>(c))));
  return wynik;
}

std::string Cp1250(const QString& tekst) { return Utf8DoCp1250(tekst.toStdString()); }

std::filesystem::path SciezkaPliku(const QString& nazwa) {
  return SciezkaZUtf8(nazwa.toStdString());
}

QString NazwaPliku(const std::filesystem::path& sciezka) {
  return QDir::toNativeSeparators(QString::fromStdString(Utf8Sciezki(sciezka)));
}

QColor QKolor(uint32_t kolor) {
  return QColor(static_cast<int>(kolor & 0xFF), static_cast<int>((kolor >> 8) & 0xFF),
                static_cast<int>((kolor >> 16) & 0xFF));
}

uint32_t Kolor(const QColor& kolor) {
  return static_cast<uint32_t>(kolor.red()) | static_cast<uint32_t>(kolor.green()) << 8 |
         static_cast<uint32_t>(kolor.blue()) << 16;
}

}  // namespace velmor
