#include "vouchers/ImportRowsModel.h"

#include "format/DateText.h"
#include "format/IndianNumberFormat.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

namespace pellam::app {

void ImportRowsModel::show(data::CheckedImport checked, QHash<int, QString> codes, int cashAccNo)
{
    beginResetModel();
    checked_ = std::move(checked);
    codes_ = std::move(codes);
    cashAccNo_ = cashAccNo;
    rows_.clear();
    rows_.reserve(checked_.vouchers.size() + checked_.errors.size() + checked_.duplicates.size());
    for (qsizetype i = 0; i < checked_.lines.size(); ++i)
        rows_.append({checked_.lines[i], Kind::Voucher, i});
    for (qsizetype i = 0; i < checked_.errors.size(); ++i)
        rows_.append({checked_.errors[i].line, Kind::Refused, i});
    for (qsizetype i = 0; i < checked_.duplicates.size(); ++i)
        rows_.append({checked_.duplicates[i].line, Kind::Duplicate, i});
    std::stable_sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) { return a.line < b.line; });
    endResetModel();
}

void ImportRowsModel::clear()
{
    show({}, {}, 0);
}

int ImportRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ImportRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ImportRowsModel::text(const Row& row, int column) const
{
    if (column == Line)
        return QString::number(row.line);
    if (row.kind != Kind::Voucher) {
        const data::LineNote& note = row.kind == Kind::Refused ? checked_.errors[row.at] : checked_.duplicates[row.at];
        // The row as the file has it stands where the narration goes.
        if (column == Narration)
            return checked_.rowsLeft.value(row.line).join(QStringLiteral(", "));
        return column == Check ? note.message : QString();
    }
    const data::CheckedVoucher& checked = checked_.vouchers[row.at];
    const data::Voucher& v = checked.voucher;
    switch (column) {
    case Date:
        return datetext::format(v.date);
    case Institution:
        return QString::number(v.shopId);
    case Type:
        return v.debit == cashAccNo_ ? QStringLiteral("R") : QStringLiteral("P");
    case Head:
        return codes_.value(checked.head);
    case Amount:
        return formatIndianAmount(v.amount, 0);
    case Narration:
        return v.narration;
    case BillNo:
        return v.billNo;
    case Check:
        return QStringLiteral("OK");
    }
    return {};
}

QVariant ImportRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const Row& row = rows_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return text(row, index.column());
    case Qt::TextAlignmentRole:
        return index.column() == Amount || index.column() == Line ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (row.kind == Kind::Refused)
            return QBrush(QColor(0xf8, 0xd7, 0xda));
        if (row.kind == Kind::Duplicate)
            return QBrush(QColor(0xff, 0xf3, 0xcd));
        return {};
    case Qt::UserRole:
        return row.kind == Kind::Refused ? QStringLiteral("refused")
                                         : row.kind == Kind::Duplicate ? QStringLiteral("duplicate") : QStringLiteral("voucher");
    }
    return {};
}

QVariant ImportRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const names[] = {"Line", "Date", "Inst.", "Type", "Head", "Amount", "Narration", "Bill No.", "Check"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(names[section]) : QString();
}

} // namespace pellam::app
