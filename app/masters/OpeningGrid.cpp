#include "masters/OpeningGrid.h"

#include "masters/OpeningAmount.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "common/HostForm.h"

namespace pellam::masters {

namespace {

constexpr int kColumns = 6;
// Widths in twips; the two number columns stay hidden.
constexpr int kWidths[kColumns] = {200, 2800, 600, 600, 0, 0};
const char* const kTitles[kColumns] = {"*", "Shop Name", "Amt.", "Type", "", ""};

} // namespace

OpeningGrid::OpeningGrid(QWidget* parent) : QTableWidget(parent)
{
    setObjectName(QStringLiteral("OpGrid"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    verticalHeader()->hide();
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previous, int) { markCurrent(row, previous); });
    load({}, 0);
}

void OpeningGrid::load(const std::vector<Opening>& openings, int accno)
{
    clear();
    setColumnCount(kColumns);
    setRowCount(0);
    for (int c = 0; c < kColumns; ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromLatin1(kTitles[c])));
        setColumnWidth(c, ctl::pixelsOf(kWidths[c]));
        setColumnHidden(c, kWidths[c] == 0);
    }
    const QSignalBlocker quiet(this);
    setRowCount(int(openings.size()));
    int r = 0;
    for (const Opening& o : openings) {
        ++r;
        const QString cells[kColumns] = {QString::number(r), o.shopName, openingamount::text(o.amount.paise()), o.type,
                                         QString::number(accno), QString::number(o.shopId)};
        for (int c = 0; c < kColumns; ++c)
            setItem(r - 1, c, new QTableWidgetItem(cells[c]));
    }
    if (rowCount() > 0) {
        setCurrentCell(0, 1);
        markCurrent(0, -1);
    }
}

void OpeningGrid::setRow(int row)
{
    if (row >= 1 && row <= rowCount())
        setCurrentCell(row - 1, qMax(currentColumn(), 1));
}

QString OpeningGrid::TextMatrix(int row, int col) const
{
    if (row == 0) {
        const QTableWidgetItem* title = horizontalHeaderItem(col);
        return title ? title->text() : QString();
    }
    const QTableWidgetItem* cell = item(row - 1, col);
    return cell ? cell->text() : QString();
}

void OpeningGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (QTableWidgetItem* cell = item(row - 1, col))
        cell->setText(text);
}

std::optional<std::vector<Opening>> OpeningGrid::openings(int* badRow) const
{
    std::vector<Opening> out;
    for (int r = 1; r < Rows(); ++r) {
        if (TextMatrix(r, 1).isEmpty())
            continue;
        const auto amount = openingamount::parse(TextMatrix(r, 2));
        if (!amount) {
            if (badRow)
                *badRow = r;
            return std::nullopt;
        }
        out.push_back({TextMatrix(r, 5).toInt(), TextMatrix(r, 1), *amount, TextMatrix(r, 3)});
    }
    return out;
}

void OpeningGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void OpeningGrid::markCurrent(int currentTableRow, int previousTableRow)
{
    if (previousTableRow >= 0 && previousTableRow != currentTableRow)
        if (QTableWidgetItem* cell = item(previousTableRow, 0))
            cell->setText(QString::number(previousTableRow + 1));
    if (currentTableRow >= 0)
        if (QTableWidgetItem* cell = item(currentTableRow, 0))
            cell->setText(QStringLiteral(">"));
}

} // namespace pellam::masters
