#pragma once

#include "PlatformExport.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace pellam::db {

// The rows of one query, read in full: an exact record count before any row
// is visited, fields by name (without regard to case) or by index, Null as a
// null QVariant, a current row that moves, and a filter given as a predicate
// over a row. Copies share the rows; each copy has its own position and filter.
class PELLAM_PLATFORM_EXPORT RecordSet {
public:
    // One row as a filter sees it.
    class PELLAM_PLATFORM_EXPORT Row {
    public:
        QVariant value(int index) const;
        QVariant value(const QString& name) const;
        qint64 toInt(const QString& name) const { return value(name).toLongLong(); }
        QString toString(const QString& name) const { return value(name).toString(); }

    private:
        friend class RecordSet;
        Row(const RecordSet* set, int row) : set_(set), row_(row) {}
        const RecordSet* set_;
        int row_;
    };

    RecordSet();
    RecordSet(QStringList names, QStringList declaredTypes, std::vector<QVariant> cells);

    bool isOpen() const { return open_; }
    void Close();

    // Rows that pass the filter.
    int RecordCount() const;
    int FieldCount() const { return int(data_->names.size()); }
    QString FieldName(int index) const { return data_->names.value(index); }
    // The column's declared type in the table ("INTEGER", "TEXT", "DATE"), or
    // empty for a computed column.
    QString FieldType(int index) const { return data_->types.value(index); }
    // -1 when there is no such field.
    int fieldIndex(const QString& name) const;

    bool eof() const { return position_ >= RecordCount(); }
    bool bof() const { return position_ < 0 || RecordCount() == 0; }
    void MoveFirst() { position_ = 0; }
    void MoveNext();
    void MovePrevious();
    void MoveLast() { position_ = RecordCount() - 1; }
    // 1-based number of the current row; 0 when there is none.
    int AbsolutePosition() const { return eof() || bof() ? 0 : position_ + 1; }
    void setAbsolutePosition(int position);

    // The current row's fields. Throws PellamError 3021 at EOF or BOF,
    // 3265 for a field that does not exist.
    QVariant value(int index) const;
    QVariant value(const QString& name) const;
    QVariant operator[](const QString& name) const { return value(name); }
    bool isNull(const QString& name) const { return value(name).isNull(); }
    qint64 toInt(const QString& name) const { return value(name).toLongLong(); }
    QString toString(const QString& name) const { return value(name).toString(); }
    // A stored date ("2024-04-05"); invalid when the field is Null.
    QDate toDate(const QString& name) const;

    // Any row, by its number among the filtered rows (0-based), without
    // moving the current row: for views that show many rows at once.
    QVariant cell(int row, int column) const;

    // Only rows for which `keep` is true remain; the position goes to the first.
    void setFilter(std::function<bool(const Row&)> keep);
    void clearFilter();
    bool isFiltered() const { return filtered_; }

private:
    struct Data {
        QStringList names;
        QStringList types;
        std::vector<QVariant> cells;
        int rows = 0;
    };
    int physicalRow(int row) const { return filtered_ ? visible_[row] : row; }
    int requireField(const QString& name) const;
    void requireCurrent() const;

    std::shared_ptr<const Data> data_;
    std::vector<int> visible_;
    bool filtered_ = false;
    bool open_ = false;
    int position_ = 0;
};

} // namespace pellam::db
