#pragma once

// What ExcelWorkbook hands to the thread that writes its sheets; not for
// use elsewhere.
#include <QByteArray>
#include <xlsxwriter.h>

namespace pellam::excel {

// How a cell is shown: its number format, then a border when it has one.
enum Look { Plain, Literal, Amount, Date, Looks };

// Columns first to last, from 0.
struct Span {
    int first, last;
    bool holds(int col) const { return col >= first && col <= last; }
};

// What goes into a cell, or across a merged range.
struct Value {
    enum Kind { Text, Number, When, Formula, Blank, Merged } kind = Blank;
    Look look = Plain;
    QByteArray text; // the string or the formula, UTF-8
    double number = 0;
    lxw_datetime when{};
};

} // namespace pellam::excel
