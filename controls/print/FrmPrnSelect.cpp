#include "print/FrmPrnSelect.h"

#include "dialogs/Dialogs.h"
#include "print/FrmPrintPrv.h"
#include "print/TextTable.h"

#include <QDir>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTextStream>

namespace pellam::ctl {

namespace {

void inform(const QString& text)
{
    dialogs().message({text, {}, MessageButtons::Ok, MessageIcon::Information});
}

QListWidget* list(QWidget* form, const char* name)
{
    auto* box = new QListWidget(form);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QPushButton* button(QWidget* form, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, form);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

FrmPrnSelect::FrmPrnSelect(QWidget* parent)
    : QDialog(parent), ListAll(list(this, "ListAll")), ListSelected(list(this, "ListSelected"))
{
    setObjectName(QStringLiteral("FrmPrnSelect"));
    setWindowTitle(QStringLiteral("Select the Columns to Print"));
    auto* add = button(this, "CmdAdd", QStringLiteral(">"));
    auto* remove = button(this, "CmdDelete", QStringLiteral("<"));
    auto* up = button(this, "CmdUp", QStringLiteral("&Up"));
    auto* down = button(this, "CmdDown", QStringLiteral("&Down"));
    auto* ok = button(this, "CmdOk", QStringLiteral("&OK"));
    auto* cancel = button(this, "CmdCancel", QStringLiteral("&Cancel"));

    auto* moves = new QVBoxLayout;
    for (QPushButton* b : {add, remove, up, down})
        moves->addWidget(b);
    moves->addStretch();
    auto* answers = new QHBoxLayout;
    answers->addStretch();
    answers->addWidget(ok);
    answers->addWidget(cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(ListAll, 0, 0);
    layout->addLayout(moves, 0, 1);
    layout->addWidget(ListSelected, 0, 2);
    layout->addLayout(answers, 1, 0, 1, 3);

    connect(add, &QPushButton::clicked, this, &FrmPrnSelect::CmdAdd_Click);
    connect(remove, &QPushButton::clicked, this, &FrmPrnSelect::CmdDelete_Click);
    connect(up, &QPushButton::clicked, this, &FrmPrnSelect::CmdUp_Click);
    connect(down, &QPushButton::clicked, this, &FrmPrnSelect::CmdDown_Click);
    connect(ok, &QPushButton::clicked, this, &FrmPrnSelect::CmdOk_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListAll, &QListWidget::itemDoubleClicked, this, &FrmPrnSelect::CmdAdd_Click);
    connect(ListSelected, &QListWidget::itemDoubleClicked, this, &FrmPrnSelect::CmdDelete_Click);
}

void FrmPrnSelect::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!records_.isOpen())
        return;
    ListAll->clear();
    ListSelected->clear();
    for (int f = 0; f < records_.FieldCount(); ++f)
        ListAll->addItem(records_.FieldName(f));
}

void FrmPrnSelect::moveEntry(QListWidget* from, QListWidget* to, const QString& missingMessage)
{
    QListWidgetItem* item = from->currentItem();
    if (!item || item->text().trimmed().isEmpty()) {
        inform(missingMessage);
        return;
    }
    to->addItem(from->takeItem(from->row(item)));
}

void FrmPrnSelect::CmdAdd_Click()
{
    moveEntry(ListAll, ListSelected, QStringLiteral("Select the item to be added"));
}

void FrmPrnSelect::CmdDelete_Click()
{
    moveEntry(ListSelected, ListAll, QStringLiteral("Select the item to be remove from the selected list"));
}

void FrmPrnSelect::CmdUp_Click()
{
    moveCurrent(-1);
}

void FrmPrnSelect::CmdDown_Click()
{
    moveCurrent(+1);
}

void FrmPrnSelect::moveCurrent(int step)
{
    const int row = ListSelected->currentRow();
    if (row < 0) {
        inform(QStringLiteral("Select the item to be move"));
        return;
    }
    const int target = row + step;
    if (target < 0 || target >= ListSelected->count())
        return;
    ListSelected->insertItem(target, ListSelected->takeItem(row));
    ListSelected->setCurrentRow(target);
}

void FrmPrnSelect::CmdOk_Click()
{
    if (ListSelected->count() == 0) {
        inform(QStringLiteral("There is no selection for printing"));
        return;
    }
    if (records_.RecordCount() == 0)
        return;
    QStringList fields;
    for (int i = 0; i < ListSelected->count(); ++i)
        fields.append(ListSelected->item(i)->text());

    // The table lives as long as its preview, which is modal: the file goes
    // when the preview has closed and this click ends.
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("radXXXXXX.tmp")));
    if (!file.open()) {
        inform(QStringLiteral("An error occured.\nRe Create the Report"));
        return;
    }
    QTextStream out(&file);
    for (const QString& line : TextTable::lines(records_, fields))
        out << line << '\n';
    out.flush();
    tableFile_ = file.fileName();
    file.close();

    FrmPrintPrv preview(this);
    preview.setFileName(tableFile_);
    preview.exec();
}

} // namespace pellam::ctl
