#pragma once
// The selection rectangle and the walk over its cells.
namespace velmor {

// Grid coordinates, inclusive; the data coordinate is the grid one minus 1.
struct TZaznaczenie {
  int Left, Top, Right, Bottom;
  bool operator==(const TZaznaczenie&) const = default;
};

// Walks a selection in data coordinates. The selection is passed to every
// step, so a walk follows a selection that changes under it.
class TIteratorZaznaczenia {
 public:
  // Modes: 0 every cell, column by column and top to bottom within a column;
  // 1 every column on the top row; 2 every row in the left column. Any other
  // mode ends the walk at once.
  void ini_sel_iterator(int tryb, const TZaznaczenie& z);
  // The next position and true, or false at the end.
  bool sel_iterator(const TZaznaczenie& z, int& x, int& y);

 private:
  int x_ = 0, y_ = 0;
  int tryb_ = -1;
};

}  // namespace velmor
