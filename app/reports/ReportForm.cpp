#include "reports/ReportForm.h"

#include "dialogs/Dialogs.h"
#include "format/DateText.h"
#include "shell/AppState.h"
#include "shell/FormParts.h"

#include <QEvent>
#include <QTimer>

namespace pellam::app {

namespace {

class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            if (auto* box = qobject_cast<QLineEdit*>(watched))
                QTimer::singleShot(0, box, &QLineEdit::selectAll);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QListWidget* multiList(QWidget* parent, const char* name)
{
    auto* list = named(new QListWidget(parent), name);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    return list;
}

QLineEdit* dateBox(QWidget* parent, const char* name)
{
    QLineEdit* box = entryBox(parent, QString::fromLatin1(name), PellamUtility::NumberOnly);
    box->setInputMask(QStringLiteral("99/99/9999"));
    box->setText(datetext::format(QDate::currentDate()));
    box->installEventFilter(new SelectAllOnFocus(box));
    return box;
}

void selectEvery(QListWidget* list, bool select)
{
    const int current = list->currentRow();
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSelected(select);
    if (current >= 0)
        list->setCurrentRow(current, QItemSelectionModel::NoUpdate);
}

void refuse(const QString& text, QWidget* focus)
{
    MessageRequest m;
    m.text = text;
    m.icon = MessageIcon::Information;
    dialogs().message(m);
    focus->setFocus();
}

} // namespace pellam::app
