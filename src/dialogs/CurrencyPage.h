#pragma once
#include "config/ConfigNode.h"
#include <QRect>
#include <array>
#include <vector>

class DialogCanvas;
namespace plat {
class CheckBox;
class Label;
class ScrollBar;
class Window;
} // namespace plat

// The settings dialog's page of the quote center's pairs: a table of 8 rows of 3 cells, each
// the pair's name (Label13) and a box "显示" (Check2) ticked while the pair is shown, with
// grid lines. More pairs than cells scroll by rows; every pair keeps its box's state while
// it is scrolled out of view, so all of them can be changed and applied.
class CurrencyPage {
public:
    static constexpr int Columns = 3;
    static constexpr int Rows = 8;
    static constexpr int Cells = Columns * Rows;
    static constexpr int RowHeight = 28;
    static constexpr int ScrollBarWidth = 16;

    // The table's cells fill area's width; the scroll bar stands right of it.
    CurrencyPage(plat::Window& window, DialogCanvas& canvas, const QRect& area);

    // The children of Settings/ZEP/currency in document order: a pair is ticked when its
    // Checked reads 1, as the quote center shows it.
    void load(std::vector<ConfigNode> pairs);
    void setVisible(bool on);
    // Checked of every pair becomes its box's state, "1" or "0".
    void apply();

    int count() const { return static_cast<int>(pairs_.size()); }
    // The first row in view (scrolling moves it).
    int firstRow() const { return firstRow_; }

    std::array<plat::CheckBox*, Cells> Check2{};
    std::array<plat::Label*, Cells> Label13{};
    plat::ScrollBar* VScroll1 = nullptr;

private:
    void buildCells(plat::Window& window, DialogCanvas& canvas);
    void buildGrid(DialogCanvas& canvas);
    int usedRows() const;
    void placeGrid();
    void showFrom(int row);
    int pairAt(int cell) const { return firstRow_ * Columns + cell; }
    void refresh();

    const QRect area_;
    std::vector<ConfigNode> pairs_;
    std::vector<int> ticked_;
    std::vector<plat::Label*> rowLines_;
    std::vector<plat::Label*> columnLines_;
    int firstRow_ = 0;
    bool shown_ = false;
};
