#pragma once
// The commands of velmor-cli. Each returns the exit code: 0 success, 1 a
// file could not be read, 2 usage error, 3 a file could not be written, 4
// problems found by a strict check.
#include <iosfwd>
#include <string>
#include <vector>

namespace velmor::cli {

constexpr int kSukces = 0, kBladOdczytu = 1, kBladUzycia = 2, kBladZapisu = 3, kProblemy = 4;

int Info(const std::vector<std::string>& argumenty, std::ostream& wyjscie);
int Nowy(const std::vector<std::string>& argumenty, std::ostream& wyjscie);
int Wypelnij(const std::vector<std::string>& argumenty, std::ostream& wyjscie);
int Zapisz(const std::vector<std::string>& argumenty, std::ostream& wyjscie);
int Pokaz(const std::vector<std::string>& argumenty, std::ostream& wyjscie);
int Sprawdz(const std::vector<std::string>& argumenty, std::ostream& wyjscie);
int Eksportuj(const std::vector<std::string>& argumenty, std::ostream& wyjscie);
int Zastepstwa(const std::vector<std::string>& argumenty, std::ostream& wyjscie);
// `export --format pdf`: a view of the plan as a PDF file at `wynik`.
int EksportPdf(const std::string& plan, const std::string& widok, const std::string& wynik);

}  // namespace velmor::cli
