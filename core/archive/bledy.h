#pragma once
// The program's numbered error messages and its exception.
#include <stdexcept>
#include <string>

namespace velmor {

struct TOpisBledu {
  int Kod;
  const char* Komunikat;  // UTF-8, with its leading blank
  int Temat;              // help topic: 1000 + 10 * Kod
};

// The description of a code, or nullptr for a code the table does not hold.
const TOpisBledu* OpisBledu(int kod);

// Receives every report; the gui shows the error window, the cli writes to
// standard error, tests record.
class TRaportBledow {
 public:
  virtual ~TRaportBledow() = default;
  virtual void Pokaz(int kod) = 0;
  // The message with a line below it, such as the file that failed (UTF-8);
  // reporters without room for it show the message alone.
  virtual void PokazZeSzczegolem(int kod, const std::string& szczegol) {
    static_cast<void>(szczegol);
    Pokaz(kod);
  }
};

// Writes the message of each code on standard error, one a line ("?" for a
// code the table does not hold): the cli's reporter, and the gui's while no
// window can show an error.
class TRaportKonsoli : public TRaportBledow {
 public:
  void Pokaz(int kod) override;
  void PokazZeSzczegolem(int kod, const std::string& szczegol) override;
};

// Inside a catch block: the line below an error about file `plik` (UTF-8),
// naming the file and the reason of the exception being handled.
std::string SzczegolPorazki(const std::string& plik);

// Installs the reporter and returns the previous one (nullptr: none).
TRaportBledow* UstawRaportBledow(TRaportBledow* raport);

// Installs a reporter for its lifetime.
class TZmianaRaportu {
 public:
  explicit TZmianaRaportu(TRaportBledow* raport) : poprzedni_(UstawRaportBledow(raport)) {}
  ~TZmianaRaportu() { UstawRaportBledow(poprzedni_); }
  TZmianaRaportu(const TZmianaRaportu&) = delete;
  TZmianaRaportu& operator=(const TZmianaRaportu&) = delete;

 private:
  TRaportBledow* poprzedni_;
};

// Constructing the object reports its code (with the detail, when given);
// it is then thrown only to abandon the operation in progress.
class EOrvelError : public std::runtime_error {
 public:
  explicit EOrvelError(int kod, const std::string& szczegol = {});
  int Kod() const { return kod_; }

 private:
  int kod_;
};

// A failure of the file stream itself (cannot open, short write, a file that
// cannot be a container). Reports nothing; the file operation that catches it
// reports its own code.
class EStrumien : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace velmor
