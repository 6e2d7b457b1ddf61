#pragma once

#include "masters/LedgerHeadStore.h"

#include <QTableWidget>
#include <optional>

namespace pellam::masters {

// The grid of a ledger head's openings, one institution a row, addressed
// as a flex grid is: row 0 is the title row, data rows count from 1.
// Columns: 0 the row number (">" on the current row), 1 the institution,
// 2 the amount as text, 3 the type, 4 the head's number, 5 the institution's
// number (the last two hidden). The cells are read-only; the ledger heads
// window changes them through the opening dialog.
class OpeningGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit OpeningGrid(QWidget* parent = nullptr);

    // Shows `openings` of the head numbered `accno` (0 for a new head).
    void load(const std::vector<Opening>& openings, int accno);

    int Rows() const { return rowCount() + 1; }
    // The current data row, 0 when there is none.
    int Row() const { return currentRow() + 1; }
    void setRow(int row);
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // The openings of every row that names an institution; nothing, with
    // `badRow` set, when a row's amount is no amount.
    std::optional<std::vector<Opening>> openings(int* badRow = nullptr) const;

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void markCurrent(int currentTableRow, int previousTableRow);
};

} // namespace pellam::masters
