#include "reports/ReportForm.h"

#include "core/AppState.h"
#include "core/FormParts.h"
#include "core/Say.h"
#include "format/DateText.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
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

QVBoxLayout* institutionPicker(QWidget* form, const char* label, QListWidget*& list)
{
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(QString::fromLatin1(label), form));
    list = multiList(form, "LstComp");
    column->addWidget(list);
    QPushButton* all = namedButton(form, QStringLiteral("Sel  All"), QStringLiteral("CmdSAll"));
    QPushButton* none = namedButton(form, QStringLiteral("Sel Non"), QStringLiteral("CmdSNo"));
    column->addLayout(buttonRow({all, none}));
    QObject::connect(all, &QPushButton::clicked, list, [list] { selectEvery(list, true); });
    QObject::connect(none, &QPushButton::clicked, list, [list] { selectEvery(list, false); });
    return column;
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
    say(text, MessageIcon::Information);
    focus->setFocus();
}

std::optional<QList<qint64>> chosenInstitutions(QListWidget* list)
{
    const QList<qint64> shops = selectedData<qint64>(list);
    if (shops.isEmpty()) {
        refuse(QStringLiteral(" Please Select atleast one shop"), list);
        return std::nullopt;
    }
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) {
            list->setCurrentRow(i, QItemSelectionModel::NoUpdate);
            break;
        }
    return shops;
}

QHBoxLayout* reportOptionRow(QWidget* parent, const ReportOptionCaptions& captions)
{
    auto* frame = named(new QGroupBox(QString::fromLatin1(captions.frame), parent), "FraInclude");
    auto* inc = new QHBoxLayout(frame);
    inc->addWidget(named(new QRadioButton(QStringLiteral("None"), frame), "OptNone"));
    inc->addWidget(named(new QRadioButton(QStringLiteral("Jou. No"), frame), "OptJou"));
    inc->addWidget(named(new QRadioButton(QStringLiteral("BillNo"), frame), "OPtBill"));
    inc->addWidget(named(new QRadioButton(QString::fromLatin1(captions.serial), frame), "OptSl"));
    frame->findChild<QRadioButton*>(QStringLiteral("OptNone"))->setChecked(true);
    auto* row = new QHBoxLayout;
    row->addWidget(frame);
    row->addWidget(named(new QCheckBox(QStringLiteral("Sh."), parent), "ChkSh"));
    row->addWidget(named(new QCheckBox(QString::fromLatin1(captions.lines), parent), "ChkLine"));
    row->addWidget(named(new QCheckBox(QStringLiteral("Narration"), parent), "Check1"));
    return row;
}

void readReportOptions(const QWidget* form, ReportChoices& r)
{
    const auto on = [form](const char* name) {
        const auto* box = form->findChild<const QAbstractButton*>(QString::fromLatin1(name));
        return box && box->isChecked();
    };
    r.reference = on("OptJou")    ? ReportReference::JouNo
                  : on("OPtBill") ? ReportReference::BillNo
                  : on("OptSl")   ? ReportReference::SerialNo
                                  : ReportReference::None;
    r.shopColumn = on("ChkSh");
    r.lines = on("ChkLine");
    r.narration = on("Check1");
}

} // namespace pellam::app
