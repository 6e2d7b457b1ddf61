#pragma once

#include "CtlExport.h"
#include "common/FieldInfo.h"
#include "database/RecordSet.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace pellam::ctl {

// A record set as the grids show it: column 0 is the marker column ("=>" on
// the current row), the fields follow from column 1. A set without records
// still shows one blank row under the titles. Cells are read from the
// record set when drawn, so a million records load at once.
class PELLAM_CTL_EXPORT RecordSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordSetModel(QObject* parent = nullptr);

    // Shows `records` (its filtered rows) with the field names as titles.
    void setRecordSet(const db::RecordSet& records);
    // No records: `fields` + 1 blank columns and one blank row.
    void clear(int fields);
    const db::RecordSet& recordSet() const { return records_; }
    int recordCount() const { return records_.RecordCount(); }

    // Grows the grid to `columns` columns; extra columns stay blank.
    void ensureColumns(int columns);
    void setTitle(int column, const QString& title);
    QString title(int column) const { return titles_.value(column); }

    // The row (0-based) that carries the "=>" marker; -1 for none.
    void setMarkerRow(int row);
    int markerRow() const { return marker_; }

    // The text of a cell, 0-based row, grid column.
    QString text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void describeFields();

    db::RecordSet records_;
    std::vector<FieldInfo> fields_;
    QStringList titles_;
    int columns_ = 1;
    int marker_ = -1;
};

} // namespace pellam::ctl
