#pragma once
// Tffdnaucz: every teacher's weekly duty limits next to what the duty table
// already gives him, and his number of duty bans. Rows sort by any column;
// a click on a teacher opens his micro-plan.
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QPainter;
class QToolButton;

namespace velmor {

class TTowarzysze;
class TUslugiOkna;

class TCellEdi;
class TDokument;
struct TModele;
struct TNaucz;
struct TTekstOczka;

class Tffdnaucz : public QWidget {
  Q_OBJECT
 public:
  Tffdnaucz(const TDokument& dokument, TUslugiOkna& uslugi, TTowarzysze& towarzysze,
            QWidget* rodzic = nullptr);

  // Recounts the loads, shows the window; a new teacher count resets the order.
  void Pokaz();
  // Shows the models as they now are, where the window is open.
  void Odswiez();

  TCellEdi& Siatka() { return *siatka_; }
  QToolButton* Drukuj() const { return drukuj_; }
  QToolButton* Koniec() const { return koniec_; }
  // Why the last typed limit was refused; empty otherwise.
  QLabel* Komunikat() const { return komunikat_; }
  // Row y shows teacher Kolejnosc()[y].
  const std::vector<int32_t>& Kolejnosc() const { return kolejnosc_; }
  int KolumnaSortowania() const { return kolumnaSortowania_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  // The rows and the loads shown beside the limits, counted afresh.
  void WczytajObciazenia();
  void ZbudujPasek();
  void PodlaczSiatke();
  void PoOdczycie();
  // The teacher of row y, or -1 beyond the teachers.
  int Nauczyciel(int y) const;
  int Dyzury(int t) const;
  int Minuty(int t) const;
  int Zakazy(int t) const;

  void Naglowek(int x, TTekstOczka& ato) const;
  void Oczko(int x, int y, TTekstOczka& ato) const;
  void ZnakSortowania(QPainter& p, int x, int y, int x0, int y0) const;
  void Sortuj(int k);
  void Edytuj(int x, int y, int& key, int button);
  void EdytujLimit(int32_t TNaucz::*limit, int x, int y, int& key, int button, double krok, int min,
                   int max);
  std::string TekstLimitu(int x, int y, int limit) const;
  void Wklej(int x, int y, const std::string& tekst);
  void PoRuchuKursora();

  const TDokument& dok_;
  TUslugiOkna& uslugi_;
  TModele* wklejane_ = nullptr;  // the models of the paste under way
  TTowarzysze& towarzysze_;
  TCellEdi* siatka_;
  QToolButton *drukuj_ = nullptr, *koniec_ = nullptr;
  QLabel* komunikat_ = nullptr;
  std::vector<int32_t> kolejnosc_;
  int32_t kolumnaSortowania_ = 0;
  std::vector<int> dyzury_, minuty_;  // as of the last Pokaz
};

}  // namespace velmor
