#include "dialogs/CurrencyPage.h"
#include "base/VbText.h"
#include "core/DialogCanvas.h"
#include "platform/window/Window.h"
#include <algorithm>

namespace {

constexpr uint32_t NameColor = 0x1F2D3D;
constexpr int NameWidth = 54;
const QString Checked = QStringLiteral("Checked");

} // namespace

CurrencyPage::CurrencyPage(plat::Window& window, DialogCanvas& canvas, const QRect& area) : area_(area) {
    buildCells(window, canvas);
    buildGrid(canvas);
    VScroll1 = window.createScrollBar();
    VScroll1->setGeometry(QRect(area_.right() + 3, area_.top(), ScrollBarWidth, Rows * RowHeight + 1));
    VScroll1->onChange = [this] { showFrom(VScroll1->value()); };
    refresh();
}

void CurrencyPage::buildCells(plat::Window& window, DialogCanvas& canvas) {
    const int width = area_.width() / Columns;
    for (int cell = 0; cell < Cells; ++cell) {
        const QPoint at(area_.left() + cell % Columns * width, area_.top() + cell / Columns * RowHeight);
        Label13[cell] = canvas.label(QRect(at + QPoint(6, 4), QSize(NameWidth, 20)), QString(), NameColor);
        plat::CheckBox* box = window.createCheckBox();
        box->setGeometry(QRect(at + QPoint(6 + NameWidth, 4), QSize(width - NameWidth - 8, 20)));
        box->setCaption(QStringLiteral("显示"));
        box->onClick = [this, cell, box] { ticked_[pairAt(cell)] = box->value(); };
        Check2[cell] = box;
    }
}

// Placed by placeGrid once the number of pairs is known.
void CurrencyPage::buildGrid(DialogCanvas& canvas) {
    for (int row = 0; row <= Rows; ++row) rowLines_.push_back(canvas.line(QRect(), DialogCanvas::FrameColor));
    for (int column = 0; column <= Columns; ++column)
        columnLines_.push_back(canvas.line(QRect(), DialogCanvas::FrameColor));
}

// The grid spans the rows that hold pairs.
void CurrencyPage::placeGrid() {
    const int rows = usedRows();
    const int width = area_.width() / Columns;
    for (int row = 0; row <= Rows; ++row)
        rowLines_[row]->setGeometry(QRect(area_.left(), area_.top() + row * RowHeight, Columns * width + 1, 1));
    for (int column = 0; column <= Columns; ++column)
        columnLines_[column]->setGeometry(QRect(area_.left() + column * width, area_.top(), 1, rows * RowHeight + 1));
}

int CurrencyPage::usedRows() const { return std::min(Rows, (count() + Columns - 1) / Columns); }

void CurrencyPage::load(std::vector<ConfigNode> pairs) {
    pairs_ = std::move(pairs);
    ticked_.clear();
    for (const ConfigNode& pair : pairs_) ticked_.push_back(vb::Val(pair.attribute(Checked)) == 1 ? 1 : 0);
    const int rows = (count() + Columns - 1) / Columns;
    VScroll1->setRange(std::max(0, rows - Rows));
    placeGrid();
    showFrom(0);
}

void CurrencyPage::showFrom(int row) {
    firstRow_ = std::max(0, row);
    for (int cell = 0; cell < Cells; ++cell) {
        const int pair = pairAt(cell);
        if (pair >= count()) continue;
        Label13[cell]->setText(pairs_[pair].name());
        Check2[cell]->setValue(ticked_[pair]);
    }
    if (VScroll1->value() != firstRow_) VScroll1->setValue(firstRow_);
    refresh();
}

void CurrencyPage::setVisible(bool on) {
    shown_ = on;
    refresh();
}

void CurrencyPage::refresh() {
    for (int cell = 0; cell < Cells; ++cell) {
        const bool used = shown_ && pairAt(cell) < count();
        Label13[cell]->setVisible(used);
        Check2[cell]->setVisible(used);
    }
    const int rows = usedRows();
    for (int row = 0; row <= Rows; ++row) rowLines_[row]->setVisible(shown_ && rows > 0 && row <= rows);
    for (plat::Label* column : columnLines_) column->setVisible(shown_ && rows > 0);
    VScroll1->setVisible(shown_ && count() > Cells);
}

// A pair without the attribute gets it: the quote center reads it for every quote.
void CurrencyPage::apply() {
    for (size_t i = 0; i < pairs_.size(); ++i) pairs_[i].putAttribute(Checked, QString::number(ticked_[i]));
}
