#pragma once

#include "buttonbar/BtnShield.h"
#include "dialogs/ScriptedDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>

namespace pellam::test {

// A master-data form with one entry control of every kind and a record bar
// whose events it writes down, answering them as its fields say.
struct MasterForm {
    ScriptedDialogsGuard boxes;
    QWidget form;
    QLineEdit* txtAccCode = new QLineEdit(&form);
    QLineEdit* TxtDate = new QLineEdit(&form);
    QComboBox* CboOrg = new QComboBox(&form);
    QComboBox* CboType = new QComboBox(&form);
    QGroupBox* frame = new QGroupBox(&form);
    QCheckBox* ChkLine = new QCheckBox(frame);
    QRadioButton* OptRec = new QRadioButton(frame);
    QRadioButton* OptPay = new QRadioButton(frame);
    QPushButton* CmdOther = new QPushButton(&form);
    ctl::BtnShield* bar = new ctl::BtnShield(&form);

    QStringList events;
    bool cancelBefore = false;   // every Before... handler sets Cancel
    bool saveSucceeds = true;    // OnSaveClick clears Cancel
    QString hostFilter = QStringLiteral("AccName like 'B%'");

    MasterForm()
    {
        form.setWindowTitle(QStringLiteral("Ledger Heads"));
        txtAccCode->setObjectName(QStringLiteral("txtAccCode"));
        TxtDate->setInputMask(QStringLiteral("99/99/9999"));
        CboOrg->addItems({"One", "Two"});
        CboType->setEditable(true);
        frame->setLayout(new QVBoxLayout);
        bar->setGeometry(0, 200, 700, 30);
        fill();
        using B = ctl::BtnShield;
        auto note = [this](const QString& e) { events.append(e); };
        auto before = [this, note](const char* name) {
            return [this, note, name](bool* cancel) {
                note(QString::fromLatin1(name));
                if (cancelBefore)
                    *cancel = true;
            };
        };
        QObject::connect(bar, &B::BeforeAddClick, before("BeforeAddClick"));
        QObject::connect(bar, &B::BeforeEditClick, before("BeforeEditClick"));
        QObject::connect(bar, &B::BeforeDeleteClick, before("BeforeDeleteClick"));
        QObject::connect(bar, &B::BeforeSaveClick, [this, note](bool* cancel, bool isAdd) {
            note(QStringLiteral("BeforeSaveClick(%1)").arg(isAdd));
            if (cancelBefore)
                *cancel = true;
        });
        QObject::connect(bar, &B::OnSaveClick, [this, note](bool* cancel, bool isAdd) {
            note(QStringLiteral("OnSaveClick(%1,%2)").arg(*cancel).arg(isAdd));
            if (saveSucceeds)
                *cancel = false;
        });
        QObject::connect(bar, &B::OnAddClick, [note] { note("OnAddClick"); });
        QObject::connect(bar, &B::OnEditClick, [note] { note("OnEditClick"); });
        QObject::connect(bar, &B::OnDeleteClick, [note] { note("OnDeleteClick"); });
        QObject::connect(bar, &B::OnCancelClick, [note] { note("OnCancelClick"); });
        QObject::connect(bar, &B::OnSearchClick, [note] { note("OnSearchClick"); });
        QObject::connect(bar, &B::OnStopClick, [note] { note("OnStopClick"); });
        QObject::connect(bar, &B::OnRefreshClick,
                         [note](const QString& filter) { note("OnRefreshClick(" + filter + ")"); });
        QObject::connect(bar, &B::OnStartClick, [this, note](QString* filter) {
            note("OnStartClick");
            *filter = hostFilter;
        });
        QObject::connect(bar, &B::OnPrintClick, [note](bool all, bool* detailed) {
            note(QStringLiteral("OnPrintClick(%1,%2)").arg(all).arg(*detailed));
        });
    }

    // Values and tags in every entry.
    void fill()
    {
        txtAccCode->setText(QStringLiteral("CSH"));
        txtAccCode->setProperty("Tag", QStringLiteral("17"));
        CmdOther->setProperty("Tag", QStringLiteral("x"));
        TxtDate->setText(QStringLiteral("01042024"));
        CboOrg->setCurrentIndex(1);
        CboType->setEditText(QStringLiteral("Typed"));
        ChkLine->setChecked(true);
        OptRec->setChecked(true);
    }
    void open()
    {
        form.show();
        events.clear();
    }
    QPushButton* button(const char* name) const { return bar->findChild<QPushButton*>(QString::fromLatin1(name)); }
    void click(const char* name) { button(name)->click(); }
    QStringList take()
    {
        QStringList out = events;
        events.clear();
        return out;
    }
    // The enabled state of every entry control.
    std::vector<bool> entriesEnabled() const
    {
        return {txtAccCode->isEnabled(), TxtDate->isEnabled(), CboOrg->isEnabled(), CboType->isEnabled(),
                ChkLine->isEnabled(),    OptRec->isEnabled(),  OptPay->isEnabled()};
    }
};

} // namespace pellam::test
