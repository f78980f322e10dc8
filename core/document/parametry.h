#pragma once
// Start-up parameters: the program's and the documents' folders and the file
// named on the command line.
#include <string>
#include <vector>

namespace velmor {

struct TParametryUruchomieniowe {
  std::string KatalogProgramu;    // ends with a separator
  std::string KatalogDokumentow;  // ends with a separator
  bool JestPlik = false;
  std::string Plik;

  // `katalogDokumentow` empty: the system gave none, the program's folder is
  // used. `argumenty` exclude the program's own name.
  static TParametryUruchomieniowe Zbuduj(const std::string& katalogProgramu,
                                         const std::string& katalogDokumentow,
                                         const std::vector<std::string>& argumenty);
};

// Absolute by the platform's rules: a drive letter ("D:"), a leading "/" or
// "\", which also covers network paths starting with two backslashes.
bool SciezkaBezwzgledna(const std::string& sciezka);

}  // namespace velmor
