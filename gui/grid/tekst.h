#pragma once
// Windows-1250 model texts to and from the texts Qt shows.
#include <QColor>
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace velmor {

QString QTekst(std::string_view cp1250);
// A character Windows-1250 cannot hold becomes "?".
std::string Cp1250(const QString& tekst);
// A file name as the system's calls take it, and back as the user reads it
// (the platform's separators).
std::filesystem::path SciezkaPliku(const QString& nazwa);
QString NazwaPliku(const std::filesystem::path& sciezka);
// 0x00BBGGRR to a colour and back.
QColor QKolor(uint32_t kolor);
uint32_t Kolor(const QColor& kolor);

}  // namespace velmor
