#pragma once

#include "reports/ReportChoices.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QLineEdit>
#include <QList>
#include <QListWidget>
#include <optional>

namespace pellam::app {

// The parts every report window is made of.

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A list of which any number of entries may be chosen.
QListWidget* multiList(QWidget* parent, const char* name);

// The institutions a report counts: "Select a Company" over the list
// `LstComp`, then the buttons `CmdSAll` "Sel  All" and `CmdSNo` "Sel Non",
// left for the window to connect.
struct InstitutionPicker {
    QVBoxLayout* layout;
    QListWidget* list;
    QPushButton* all;
    QPushButton* none;
};
InstitutionPicker institutionPicker(QWidget* parent);
// A day/month/year box set to today, wholly selected on entry, ready to be
// typed over.
QLineEdit* dateBox(QWidget* parent, const char* name);
// Selects or clears every entry, keeping the current entry where it was.
void selectEvery(QListWidget* list, bool select);
// A check's message, and the focus back on the control at fault.
void refuse(const QString& text, QWidget* focus);
// The chosen institutions in list order, the first of them made the list's
// current entry (its heading heads the report); nothing, after " Please
// Select atleast one shop", when none is chosen.
std::optional<QList<qint64>> chosenInstitutions(QListWidget* list);

// Each window's own captions for the report options.
struct ReportOptionCaptions {
    const char* frame;
    const char* serial;
    const char* lines;
};
// The reference frame (OptNone, OptJou, OPtBill, OptSl) and the check boxes
// ChkSh, ChkLine and Check1, in a row.
QHBoxLayout* reportOptionRow(QWidget* parent, const ReportOptionCaptions& captions);
// The reference and the check boxes as they stand on `form`.
void readReportOptions(const QWidget* form, ReportChoices& r);

// The item data of the selected entries, in list order.
template <class T>
QList<T> selectedData(const QListWidget* list)
{
    QList<T> out;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            out << list->item(i)->data(Qt::UserRole).value<T>();
    return out;
}

} // namespace pellam::app
