#include "core/document/parametry.h"

namespace velmor {
namespace {

std::string ZSeparatorem(std::string katalog) {
  if (!katalog.empty() && katalog.back() != '/' && katalog.back() != '\\') katalog += '/';
  return katalog;
}

}  // namespace

bool SciezkaBezwzgledna(const std::string& sciezka) {
  if (sciezka.size() >= 2 && sciezka[1] == ':') return true;
  return !sciezka.empty() && (sciezka[0] == '/' || sciezka[0] == '\\');
}

TParametryUruchomieniowe TParametryUruchomieniowe::Zbuduj(
    const std::string& katalogProgramu, const std::string& katalogDokumentow,
    const std::vector<std::string>& argumenty) {
  TParametryUruchomieniowe p;
  p.KatalogProgramu = ZSeparatorem(katalogProgramu);
  p.KatalogDokumentow =
      katalogDokumentow.empty() ? p.KatalogProgramu : ZSeparatorem(katalogDokumentow);
  for (const std::string& arg : argumenty) {
    if (arg.size() >= 2 && arg[1] == '=') continue;  // a switch: letter=value; none is defined
    p.JestPlik = true;
    p.Plik = SciezkaBezwzgledna(arg) ? arg : p.KatalogProgramu + arg;
  }
  return p;
}

}  // namespace velmor
