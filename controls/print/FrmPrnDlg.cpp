#include "print/FrmPrnDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pellam::ctl {

namespace {

QRadioButton* option(QWidget* frame, const char* name, const QString& caption, bool checked)
{
    auto* button = new QRadioButton(caption, frame);
    button->setObjectName(QString::fromLatin1(name));
    button->setChecked(checked);
    frame->layout()->addWidget(button);
    return button;
}

QGroupBox* frame(const QString& title, QLayout* layout)
{
    auto* box = new QGroupBox(title);
    box->setLayout(layout);
    return box;
}

} // namespace

FrmPrnDlg::FrmPrnDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmPrnDlg"));
    setWindowTitle(QStringLiteral("Print"));
    QGroupBox* records = frame(QStringLiteral("Records"), new QVBoxLayout);
    OptAll = option(records, "OptAll", QStringLiteral("All "), kDefaultAll);
    OptCur = option(records, "OptCur", QStringLiteral("Current"), !kDefaultAll);
    QGroupBox* information = frame(QStringLiteral("Information"), new QVBoxLayout);
    OptDetailed = option(information, "OptDetailed", QStringLiteral("Detailed"), kDefaultDetailed);
    OptNormal = option(information, "OptNormal", QStringLiteral("Normal"), !kDefaultDetailed);

    QGroupBox* settings = frame(QStringLiteral("Print Settings"), new QHBoxLayout);
    auto* ok = new QPushButton(QStringLiteral("&OK"), settings);
    ok->setObjectName(QStringLiteral("CmdOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), settings);
    cancel->setObjectName(QStringLiteral("CmdCancel"));
    settings->layout()->addWidget(ok);
    settings->layout()->addWidget(cancel);

    auto* choices = new QHBoxLayout;
    choices->addWidget(records);
    choices->addWidget(information);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(settings);

    connect(ok, &QPushButton::clicked, this, &FrmPrnDlg::CmdOk_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmPrnDlg::CmdOk_Click()
{
    ok_ = true;
    accept();
}

bool FrmPrnDlg::allRecords() const
{
    return OptAll->isChecked();
}

bool FrmPrnDlg::detailed() const
{
    return OptDetailed->isChecked();
}

} // namespace pellam::ctl
