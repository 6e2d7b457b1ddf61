#include "masters/FrmShAccSetup.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/FormKeys.h"
#include "core/Say.h"
#include "core/UserRights.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "masters/HeadsInUseStore.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pellam::masters {

namespace {

const QString kModule = QStringLiteral("FrmShAccSetup");

// Courier New's metric twin keeps the codes and names in columns.
QFont listFont()
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    return font;
}

void addEntry(QListWidget* list, const LedgerHead& head, bool ticked)
{
    auto* item = new QListWidgetItem(headLine(head), list);
    item->setData(Qt::UserRole, head.accno);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

} // namespace

FrmShAccSetup::FrmShAccSetup(QWidget* parent)
    : QWidget(parent), CboComp(new QComboBox(this)), Lbl1(new QLabel(this)), LstAcc(new QListWidget(this)),
      LblTot(new QLabel(this)), CmdUp(new QPushButton(QStringLiteral("Update"), this))
{
    setObjectName(kModule);
    setWindowTitle(QStringLiteral("Shop Wise Account Setup"));
    CboComp->setObjectName(QStringLiteral("CboComp"));
    Lbl1->setObjectName(QStringLiteral("Lbl1"));
    LstAcc->setObjectName(QStringLiteral("LstAcc"));
    LblTot->setObjectName(QStringLiteral("LblTot"));
    CmdUp->setObjectName(QStringLiteral("CmdUp"));
    LstAcc->setFont(listFont());

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(LblTot);
    bottom->addStretch();
    bottom->addWidget(CmdUp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CboComp);
    layout->addWidget(Lbl1);
    layout->addWidget(LstAcc, 1);
    layout->addLayout(bottom);
    resize(480, 520);

    connect(CboComp, &QComboBox::currentIndexChanged, this, &FrmShAccSetup::CboComp_Click);
    connect(LstAcc, &QListWidget::itemChanged, this, &FrmShAccSetup::LstAcc_Click);
    connect(CmdUp, &QPushButton::clicked, this, &FrmShAccSetup::CmdUp_Click);
    auto* keys = new app::FormKeys(this);
    keys->on(Qt::Key_F1, [] { app::ShowHelp(kHelpContext); });

    Form_Load();
}

void FrmShAccSetup::Form_Load()
{
    app::Connection();
    {
        const QSignalBlocker quiet(CboComp);
        app::runStep(
            [this] {
                try {
                    app::LoadInstitutions(CboComp);
                } catch (const PellamError& e) {
                    // Books without institutions simply show an empty choice.
                    if (e.Number() != InvalidPropertyValue)
                        throw;
                }
            },
            QStringLiteral("Form_Load"), kModule);
    }
    CboComp_Click();
}

qint64 FrmShAccSetup::chosenInstitution() const
{
    return CboComp->currentIndex() < 0 ? -1 : CboComp->currentData().toLongLong();
}

void FrmShAccSetup::CboComp_Click()
{
    const QSignalBlocker quiet(LstAcc);
    LstAcc->clear();
    // Update rewrites the whole list, so it waits for a list that was read.
    CmdUp->setEnabled(false);
    const qint64 shopId = chosenInstitution();
    if (shopId >= 0) {
        Lbl1->setText(QStringLiteral("Accounts In ") + CboComp->currentText());
        InstitutionHeads heads;
        const app::StepResult loaded = app::runStep([&] { heads = HeadsInUseStore(app::state().Conn).load(shopId); },
                                          QStringLiteral("CboComp_Click"), kModule);
        if (loaded == app::StepResult::Done) {
            CmdUp->setEnabled(true);
            if (heads.fromVouchers)
                app::say(QStringLiteral("No Accounts are set for This Shop !!!!\r"
                                        "Some Accounts are automatically Listed from journal"));
            for (const LedgerHead& head : std::as_const(heads.inUse))
                addEntry(LstAcc, head, true);
            for (const LedgerHead& head : std::as_const(heads.others))
                addEntry(LstAcc, head, false);
        }
    }
    LstAcc_Click();
}

void FrmShAccSetup::LstAcc_Click()
{
    int ticked = 0;
    for (int i = 0; i < LstAcc->count(); ++i)
        ticked += LstAcc->item(i)->checkState() == Qt::Checked ? 1 : 0;
    LblTot->setText(QStringLiteral("%1/%2").arg(ticked).arg(LstAcc->count()));
}

void FrmShAccSetup::CmdUp_Click()
{
    const qint64 shopId = chosenInstitution();
    if (shopId < 0)
        return;
    QList<qint64> accnos;
    for (int i = 0; i < LstAcc->count(); ++i)
        if (LstAcc->item(i)->checkState() == Qt::Checked)
            accnos.append(LstAcc->item(i)->data(Qt::UserRole).toLongLong());
    if (!app::Connection() || !app::mayDo(data::Action::ChangeMasters))
        return;
    const app::StepResult saved = app::runStep([&] { HeadsInUseStore(app::state().Conn).save(shopId, accnos); },
                                     QStringLiteral("CmdUp_Click"), kModule);
    if (saved == app::StepResult::Done)
        app::say(QStringLiteral("The List is Updated"), MessageIcon::Information);
}

} // namespace pellam::masters
