#include "yearend/FrmCarryForward.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/FormKeys.h"
#include "core/FormParts.h"
#include "core/HelpKey.h"
#include "core/MdiHost.h"
#include "core/Say.h"
#include "core/UserRights.h"
#include "data/BooksLock.h"
#include "system/AppFolders.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pellam::app {

namespace {

const QString kForm = QStringLiteral("FrmCarryForward");

QTableWidgetItem* cell(const QString& text, bool amount = false)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (amount)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

FrmCarryForward::FrmCarryForward(QWidget* parent)
    : QWidget(parent), LblYears(new QLabel(this)), GrdCarried(new QTableWidget(0, 5, this)),
      LblSummary(new QLabel(this)),
      CmdUpdate(namedButton(this, QStringLiteral("Up&date"), QStringLiteral("CmdUpdate"))),
      CmdClose(namedButton(this, QStringLiteral("&Close"), QStringLiteral("CmdClose"))),
      year_{state().YearStart, state().YearEnd},
      oldYear_(data::FinancialYear::beginningIn(state().YearStart.year() - 1))
{
    setObjectName(kForm);
    setWindowTitle(QStringLiteral("Check Carried Balances"));
    LblYears->setObjectName(QStringLiteral("LblYears"));
    LblSummary->setObjectName(QStringLiteral("LblSummary"));
    GrdCarried->setObjectName(QStringLiteral("GrdCarried"));
    LblYears->setText(QStringLiteral("The openings of %1 of the cash account and the balance heads, against their "
                                     "closing balances in %2:")
                          .arg(year_.label(), oldYear_.label()));
    LblYears->setWordWrap(true);
    GrdCarried->setHorizontalHeaderLabels({QStringLiteral("Code"), QStringLiteral("Ledger Head"),
                                           QStringLiteral("Institution"), QStringLiteral("Opening %1").arg(year_.label()),
                                           QStringLiteral("Closing %1").arg(oldYear_.label())});
    GrdCarried->verticalHeader()->hide();
    GrdCarried->setSelectionBehavior(QAbstractItemView::SelectRows);
    GrdCarried->setTabKeyNavigation(false);
    GrdCarried->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    GrdCarried->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    for (int column : {3, 4})
        GrdCarried->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LblYears);
    layout->addWidget(GrdCarried, 1);
    layout->addWidget(LblSummary);
    layout->addLayout(buttonRow({CmdUpdate, CmdClose}));
    resize(820, 420);

    connect(CmdUpdate, &QPushButton::clicked, this, &FrmCarryForward::CmdUpdate_Click);
    connect(CmdClose, &QPushButton::clicked, this, &FrmCarryForward::CmdClose_Click);
    HelpKey::attach(this, kHelpContext);
    auto* keys = new FormKeys(this);
    keys->on(Qt::Key_Escape, [this] { CmdClose_Click(); });
    keys->on(Qt::Key_F5, [this] { reload(); });
    reload();
}

bool FrmCarryForward::withOldBooks(const std::function<void(data::CarryForwardCheck&)>& act)
{
    const std::optional<QString> file = data::previousYearBooks(AppFolders::data(), year_);
    if (!file) {
        LblSummary->setText(QStringLiteral("There are no books of %1 to carry balances from.").arg(oldYear_.label()));
        return false;
    }
    if (!Connection())
        return false;
    return runStep(
               [&] {
                   db::Connection old;
                   old.Open(*file, true, 5000, true);
                   data::CarryForwardCheck check(state().Conn, state().CashAccNo, old, oldYear_);
                   act(check);
               },
               QStringLiteral("FrmCarryForward"), kForm) == StepResult::Done;
}

void FrmCarryForward::reload()
{
    ShowStatus(QStringLiteral("Checking carried balances....."));
    QList<data::CarryDifference> differences;
    if (!withOldBooks([&](data::CarryForwardCheck& check) { differences = check.differences(); })) {
        GrdCarried->setRowCount(0);
        CmdUpdate->setEnabled(false);
        ShowStatus(QString());
        CmdClose->setFocus();
        return;
    }
    showDifferences(differences);
    ShowStatus(QString());
}

void FrmCarryForward::showDifferences(const QList<data::CarryDifference>& differences)
{
    shown_ = differences;
    GrdCarried->setRowCount(int(differences.size()));
    for (int row = 0; row < differences.size(); ++row) {
        const data::CarryDifference& d = differences[row];
        GrdCarried->setItem(row, 0, cell(d.code));
        GrdCarried->setItem(row, 1, cell(d.name));
        GrdCarried->setItem(row, 2, cell(QStringLiteral("%1 %2").arg(d.shopId).arg(d.shopName)));
        GrdCarried->setItem(row, 3, cell(data::balanceText(d.opening), true));
        GrdCarried->setItem(row, 4, cell(data::balanceText(d.closing), true));
    }
    CmdUpdate->setEnabled(!differences.isEmpty());
    LblSummary->setText(
        differences.isEmpty()
            ? QStringLiteral("Every carried balance of %1 equals its closing in %2.").arg(year_.label(), oldYear_.label())
            : QStringLiteral("%1: Update writes the closings of %2 as the openings.")
                  .arg(data::differingBalances(differences.size()), oldYear_.label()));
    if (!differences.isEmpty()) {
        GrdCarried->setCurrentCell(0, 0);
        CmdUpdate->setFocus();
    } else {
        CmdClose->setFocus();
    }
}

void FrmCarryForward::CmdUpdate_Click()
{
    if (shown_.isEmpty() || !mayDo(data::Action::ChangeMasters))
        return;
    std::optional<QString> locked;
    runStep([&] { locked = data::BooksLock(state().Conn).openingsRefusal(); }, QStringLiteral("CmdUpdate_Click"), kForm);
    if (locked) {
        say(*locked, MessageIcon::Information);
        return;
    }
    if (say(QStringLiteral("Write the closing balances of %1 as the openings of %2?")
                .arg(oldYear_.label(), shown_.size() == 1 ? QStringLiteral("this head")
                                                          : QStringLiteral("these %1 heads").arg(shown_.size())),
            MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    ShowStatus(QStringLiteral("Updating....."));
    // What is written is what the books differ by now, not what was shown:
    // a late voucher may have come meanwhile.
    withOldBooks([](data::CarryForwardCheck& check) { check.update(check.differences()); });
    reload();
}

void FrmCarryForward::CmdClose_Click()
{
    closeChild(this);
}

} // namespace pellam::app
