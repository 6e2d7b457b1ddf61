#pragma once

#include "CtlExport.h"

#include <QTableView>

namespace pellam::ctl {

class RecordSetModel;

// The grid both lists are built on, addressed as a flex grid is: row 0 is
// the title row and data rows count from 1; column 0 is the marker column.
// Whenever the current cell changes, the "=>" marker moves to the current
// row and the whole row is selected, whatever moved it (click, arrow key,
// type-ahead or the program).
class PELLAM_CTL_EXPORT FlexGrid : public QTableView {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    RecordSetModel* records() const { return model_; }

    // Number of rows and columns, title row and marker column included.
    int Rows() const;
    int Cols() const;
    int Row() const;
    // Makes `row` (1 to Rows() - 1) current; other values are ignored.
    void setRow(int row);
    // The text of a cell by grid row and column; row 0 holds the titles.
    QString TextMatrix(int row, int col) const;

    void setColWidth(int col, double twips);
    double ColWidth(int col) const;
    // Height of one row (title row and data rows alike), twips.
    double RowHeight() const;

    // Selects the current row across every column.
    void extendSelection();
    // Scrolls so that the current row is the first one shown.
    void scrollCurrentToTop();

signals:
    void enterPressed();
    // A printable character typed while the grid has the focus.
    void characterTyped(const QString& text);
    void doubleClickedAnywhere();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void currentCellChanged(const QModelIndex& current);
    void modelWasReset();

    RecordSetModel* model_;
};

} // namespace pellam::ctl
