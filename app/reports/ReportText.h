#pragma once

#include "reports/ReportChoices.h"
#include "types/Currency.h"

#include <QString>
#include <QStringList>

namespace pellam::app {

// The pieces fixed-width report lines are made of, shared by the text file
// and the printer routes.
QString blanks(int count);
QString dashes(int count);
// Cut to `width` or padded with blanks after it.
QString fitted(const QString& text, int width);
// Right-aligned in `width`; a longer text stays whole.
QString rightAligned(const QString& text, int width);
// An amount with two decimals and Indian grouping, right-aligned in `width`.
QString amountText(Currency amount, int width);
// A narration as it is printed under its voucher: "[" + trimmed text + "]",
// in lines of at most `width` characters, each broken at the last blank
// within `width` (at `width` when there is none), as many as it takes so
// that none runs into the amount columns. Empty for a blank narration.
QStringList narrationLines(const QString& narration, int width = 33);
// A voucher's reference as its line carries it, not yet aligned: the
// journal number, the serial number or the bill number's first `billWidth`
// characters; empty for none or a voucher without a bill number.
QString referenceText(ReportReference kind, qint64 jouNo, int serial, const QString& billNo, int billWidth);
// The columns that begin a voucher line: the reference right-aligned in
// `width` and a blank (blanks without one), then the institution number in
// 2 and a blank when chosen, else `shopBlanks` blanks.
QString voucherLineStart(const ReportChoices& r, qint64 jouNo, int serial, const QString& billNo, qint64 shopId,
                         int width, int shopBlanks);
// A cell's address as a sheet shows it: column letter and row number.
QString cellAt(char column, int row);
// "=sum(e5:e9)": the sum of a column's cells from one row to another.
QString sumFormula(char column, int from, int to);

} // namespace pellam::app
