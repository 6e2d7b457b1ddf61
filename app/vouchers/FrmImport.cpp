#include "vouchers/FrmImport.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/FormKeys.h"
#include "core/FormParts.h"
#include "core/HelpKey.h"
#include "core/MdiHost.h"
#include "core/Say.h"
#include "core/UserRights.h"
#include "data/CashAccount.h"
#include "data/ImportMappings.h"
#include "database/Cursor.h"
#include "vouchers/DlgImportMapping.h"
#include "vouchers/ImportRowsModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTableView>
#include <QVBoxLayout>

namespace pellam::app {

namespace {

const QString kTitle = QStringLiteral("Import Vouchers");
const QString kVoucherFile = QStringLiteral("Voucher file (date, institution, type, head, amount)");

QLabel* captionFor(const QString& text, QWidget* box)
{
    auto* label = new QLabel(text);
    label->setBuddy(box);
    return label;
}

} // namespace

FrmImport::FrmImport(QWidget* parent)
    : QWidget(parent), TxtFile(new QLineEdit(this)),
      CmdBrowse(namedButton(this, QStringLiteral("&Browse..."), QStringLiteral("CmdBrowse"))),
      CboMapping(new QComboBox(this)),
      CmdNewMapping(namedButton(this, QStringLiteral("&New Mapping"), QStringLiteral("CmdNewMapping"))),
      CmdEditMapping(namedButton(this, QStringLiteral("Edi&t Mapping"), QStringLiteral("CmdEditMapping"))),
      TxtDefaultHead(entryBox(this, QStringLiteral("TxtDefaultHead"), 0)),
      ChkDuplicates(new QCheckBox(QStringLiteral("Allow du&plicates"), this)), GrdRows(new QTableView(this)),
      LblRow(new QLabel(this)), LblSummary(new QLabel(this)), PrgImport(new QProgressBar(this)),
      CmdCheck(namedButton(this, QStringLiteral("Chec&k"), QStringLiteral("CmdCheck"))),
      CmdImport(namedButton(this, QStringLiteral("&Import"), QStringLiteral("CmdImport"))),
      CmdClose(namedButton(this, QStringLiteral("&Close"), QStringLiteral("CmdClose"))),
      model_(new ImportRowsModel(this))
{
    setObjectName(QStringLiteral("FrmImport"));
    setWindowTitle(kTitle);
    // Enter in the file's box checks the file, rather than moving on.
    TxtFile->setObjectName(QStringLiteral("TxtFile"));
    CboMapping->setObjectName(QStringLiteral("CboMapping"));
    ChkDuplicates->setObjectName(QStringLiteral("ChkDuplicates"));
    GrdRows->setObjectName(QStringLiteral("GrdRows"));
    LblSummary->setObjectName(QStringLiteral("LblSummary"));
    LblRow->setObjectName(QStringLiteral("LblRow"));
    LblRow->setWordWrap(true);
    PrgImport->setObjectName(QStringLiteral("PrgImport"));
    TxtDefaultHead->setMaxLength(10);
    TxtDefaultHead->setMaximumWidth(TxtDefaultHead->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 12);
    TxtDefaultHead->setToolTip(QStringLiteral("The head's code for the rows no rule of the mapping matches"));

    GrdRows->setModel(model_);
    GrdRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    GrdRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GrdRows->setTabKeyNavigation(false);
    GrdRows->verticalHeader()->hide();
    GrdRows->verticalHeader()->setDefaultSectionSize(GrdRows->fontMetrics().height() + 6);
    // Widths for what each column holds; the check's message takes the rest.
    const int digit = GrdRows->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const std::pair<int, int> widths[] = {{ImportRowsModel::Line, 7},    {ImportRowsModel::Date, 11},
                                          {ImportRowsModel::Institution, 5}, {ImportRowsModel::Type, 5},
                                          {ImportRowsModel::Head, 8},    {ImportRowsModel::Amount, 15},
                                          {ImportRowsModel::Narration, 24}, {ImportRowsModel::BillNo, 9}};
    for (const auto& [column, digits] : widths)
        GrdRows->horizontalHeader()->resizeSection(column, digit * digits + 12);
    GrdRows->horizontalHeader()->setSectionResizeMode(ImportRowsModel::Check, QHeaderView::Stretch);
    LblSummary->setWordWrap(true);
    LblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    PrgImport->setRange(0, 100);
    PrgImport->setValue(0);

    auto* top = new QGridLayout;
    top->addWidget(captionFor(QStringLiteral("Fil&e :"), TxtFile), 0, 0);
    top->addWidget(TxtFile, 0, 1, 1, 2);
    top->addWidget(CmdBrowse, 0, 3);
    top->addWidget(captionFor(QStringLiteral("&Layout :"), CboMapping), 1, 0);
    top->addWidget(CboMapping, 1, 1);
    top->addWidget(CmdNewMapping, 1, 2);
    top->addWidget(CmdEditMapping, 1, 3);
    top->addWidget(captionFor(QStringLiteral("Default he&ad :"), TxtDefaultHead), 2, 0);
    auto* headRow = new QHBoxLayout;
    headRow->addWidget(TxtDefaultHead);
    headRow->addSpacing(16);
    headRow->addWidget(ChkDuplicates);
    headRow->addStretch();
    top->addLayout(headRow, 2, 1, 1, 3);
    top->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(GrdRows, 1);
    layout->addWidget(LblRow);
    layout->addWidget(LblSummary);
    layout->addWidget(PrgImport);
    layout->addLayout(buttonRow({CmdCheck, CmdImport, CmdClose}));
    resize(1000, 600);

    const QList<QWidget*> order{TxtFile,        CmdBrowse,     CboMapping, CmdNewMapping, CmdEditMapping, TxtDefaultHead,
                                ChkDuplicates, CmdCheck, GrdRows, CmdImport, CmdClose};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    connect(CmdBrowse, &QPushButton::clicked, this, &FrmImport::CmdBrowse_Click);
    connect(CmdNewMapping, &QPushButton::clicked, this, &FrmImport::CmdNewMapping_Click);
    connect(CmdEditMapping, &QPushButton::clicked, this, &FrmImport::CmdEditMapping_Click);
    connect(CmdCheck, &QPushButton::clicked, this, &FrmImport::CmdCheck_Click);
    connect(CmdImport, &QPushButton::clicked, this, &FrmImport::CmdImport_Click);
    connect(CmdClose, &QPushButton::clicked, this, &FrmImport::CmdClose_Click);
    connect(TxtFile, &QLineEdit::returnPressed, this, &FrmImport::CmdCheck_Click);
    connect(CboMapping, &QComboBox::currentIndexChanged, this, &FrmImport::layoutChanged);
    // What was checked no longer stands once the file or its layout changes.
    for (QLineEdit* box : {TxtFile, TxtDefaultHead})
        connect(box, &QLineEdit::textEdited, this, [this] { CmdImport->setEnabled(false); });
    connect(ChkDuplicates, &QCheckBox::toggled, this, [this] { CmdImport->setEnabled(false); });
    // The row under the cursor is read in full below the grid, where a
    // long message does not fit its cell.
    connect(GrdRows->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& at) {
        LblRow->setText(at.isValid() ? QStringLiteral("Line %1: %2")
                                           .arg(model_->data(model_->index(at.row(), ImportRowsModel::Line), Qt::DisplayRole).toString(),
                                                model_->data(model_->index(at.row(), ImportRowsModel::Check), Qt::DisplayRole).toString())
                                     : QString());
    });
    connect(model_, &QAbstractItemModel::modelReset, LblRow, &QLabel::clear);
    HelpKey::attach(this, kHelpContext);
    (new FormKeys(this))->on(Qt::Key_Escape, [this] { CmdClose_Click(); });
    Form_Load();
}

void FrmImport::Form_Load()
{
    CmdImport->setEnabled(false);
    if (!Connection())
        return;
    runStep(
        [this] {
            AppState& s = state();
            s.rememberCashAccount(data::cashAccount(s.Conn).value_or(data::CashAccount{}));
            loadMappings({});
        },
        QStringLiteral("Form_Load"), objectName());
    TxtFile->setFocus();
}

void FrmImport::loadMappings(const QString& select)
{
    const QSignalBlocker quiet(CboMapping);
    CboMapping->clear();
    CboMapping->addItem(kVoucherFile, QString());
    for (const data::ImportMapping& m : data::ImportMappings(state().Conn).all())
        CboMapping->addItem(QStringLiteral("Bank statement: %1").arg(m.name), m.name);
    CboMapping->setCurrentIndex(std::max(0, CboMapping->findData(select)));
    layoutChanged();
}

void FrmImport::layoutChanged()
{
    const bool bank = !CboMapping->currentData().toString().isEmpty();
    CmdEditMapping->setEnabled(bank);
    TxtDefaultHead->setEnabled(bank);
    CmdImport->setEnabled(false);
}

void FrmImport::CmdBrowse_Click()
{
    FileRequest request;
    request.mode = FileRequest::Mode::Open;
    request.title = QStringLiteral("Choose the file to import");
    request.folder = QFileInfo(TxtFile->text().trimmed()).absolutePath();
    request.filter = QStringLiteral("CSV files (*.csv *.txt);;All files (*)");
    const auto chosen = dialogs().file(request);
    if (!chosen)
        return;
    TxtFile->setText(*chosen);
    CmdImport->setEnabled(false);
    CmdCheck->setFocus();
}

void FrmImport::CmdNewMapping_Click()
{
    DlgImportMapping dialog({}, this);
    if (runModal(dialog) == QDialog::Accepted)
        runStep([&] { loadMappings(dialog.savedName()); }, QStringLiteral("CmdNewMapping_Click"), objectName());
    CboMapping->setFocus();
}

void FrmImport::CmdEditMapping_Click()
{
    const QString name = CboMapping->currentData().toString();
    if (name.isEmpty())
        return;
    DlgImportMapping dialog(name, this);
    if (runModal(dialog) == QDialog::Accepted)
        runStep([&] { loadMappings(dialog.savedName()); }, QStringLiteral("CmdEditMapping_Click"), objectName());
    CboMapping->setFocus();
}

data::VoucherImport FrmImport::newImport() const
{
    const AppState& s = state();
    data::VoucherImport import(state().Conn, s.CashAccNo, s.YearStart, s.YearEnd, state().Util.UserName());
    import.keepRowsLeft(true);
    return import;
}

std::optional<data::CheckedImport> FrmImport::checkFile(data::VoucherImport& import, int from, int to)
{
    const QString path = TxtFile->text().trimmed();
    if (path.isEmpty()) {
        say(QStringLiteral("Choose the file to import."), MessageIcon::Exclamation);
        TxtFile->setFocus();
        return std::nullopt;
    }
    std::unique_ptr<data::ImportLayout> layout;
    if (const QString mapping = CboMapping->currentData().toString(); !mapping.isEmpty()) {
        auto bank = data::bankStatementLayout(state().Conn, state().CashAccNo, mapping, TxtDefaultHead->text());
        if (const QString* problem = std::get_if<QString>(&bank)) {
            say(*problem, MessageIcon::Exclamation);
            TxtDefaultHead->setFocus();
            return std::nullopt;
        }
        layout = std::move(std::get<0>(bank));
    }
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        say(QStringLiteral("The file %1 cannot be read: %2").arg(path, file.errorString()), MessageIcon::Exclamation);
        TxtFile->setFocus();
        return std::nullopt;
    }
    file.close();
    const auto progress = [this, from, to](int percent) {
        PrgImport->setValue(from + percent * (to - from) / 100);
        // Keeps the window painted; keys wait until the check is done.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    return import.check(std::move(bytes), ChkDuplicates->isChecked(), layout.get(), progress);
}

void FrmImport::showChecked(data::CheckedImport checked)
{
    QHash<int, QString> codes;
    for (db::Cursor row = state().Conn.cursor(QStringLiteral("select accno, acccode from account")); !row.eof();
         row.MoveNext())
        codes.insert(int(row.toInt(0)), row.toString(1));
    model_->show(std::move(checked), std::move(codes), state().CashAccNo);
}

void FrmImport::CmdCheck_Click()
{
    CmdImport->setEnabled(false);
    ShowStatus(QStringLiteral("Checking....."));
    data::VoucherImport import = newImport();
    std::optional<data::CheckedImport> checked;
    if (runStep([&] { checked = checkFile(import, 0, 100); }, QStringLiteral("CmdCheck_Click"), objectName()) !=
            StepResult::Done ||
        !checked) {
        ShowStatus(QString());
        return;
    }
    QString summary = QStringLiteral("Checked %1.").arg(data::checkedSummary(*checked));
    if (!checked->errors.isEmpty())
        summary += QStringLiteral(" %1 refused (marked in red): put them right in the file and check it again; "
                                  "nothing is imported while any row is refused.")
                       .arg(data::countedText(checked->errors.size(), "row", "rows"));
    const bool importable = checked->errors.isEmpty() && !checked->vouchers.isEmpty();
    runStep([&] { showChecked(std::move(*checked)); }, QStringLiteral("CmdCheck_Click"), objectName());
    LblSummary->setText(summary);
    CmdImport->setEnabled(importable);
    ShowStatus(QString());
    if (importable) {
        CmdImport->setFocus();
    } else {
        // The first row refused or left out, ready to read.
        GrdRows->setFocus();
        for (int row = 0; row < model_->rowCount(); ++row)
            if (model_->data(model_->index(row, 0), Qt::UserRole).toString() != QLatin1String("voucher")) {
                GrdRows->setCurrentIndex(model_->index(row, 0));
                GrdRows->scrollTo(model_->index(row, 0), QAbstractItemView::PositionAtCenter);
                break;
            }
    }
}

void FrmImport::CmdImport_Click()
{
    if (!mayDo(data::Action::ImportVouchers))
        return;
    if (say(QStringLiteral("Import the vouchers of %1 into the books?").arg(QFileInfo(TxtFile->text().trimmed()).fileName()),
            MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    CmdImport->setEnabled(false);
    ShowStatus(QStringLiteral("Importing....."));
    // The file and the books may have changed since the check: check again.
    data::VoucherImport import = newImport();
    std::optional<data::CheckedImport> checked;
    data::JournalRange range;
    const StepResult ran = runStep(
        [&] {
            checked = checkFile(import, 0, 30);
            if (checked && checked->errors.isEmpty() && !checked->vouchers.isEmpty())
                range = import.store(*checked, [this](int percent) {
                    PrgImport->setValue(30 + percent * 70 / 100);
                    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                });
        },
        QStringLiteral("CmdImport_Click"), objectName());
    ShowStatus(QString());
    if (ran != StepResult::Done || !checked) {
        LblSummary->setText(QStringLiteral("Nothing was imported."));
        return;
    }
    if (!checked->errors.isEmpty()) {
        LblSummary->setText(QStringLiteral("The file changed since it was checked: %1 refused; nothing was imported.")
                                .arg(data::countedText(checked->errors.size(), "row", "rows")));
        runStep([&] { showChecked(std::move(*checked)); }, QStringLiteral("CmdImport_Click"), objectName());
        GrdRows->setFocus();
        return;
    }
    PrgImport->setValue(100);
    const QString summary = data::importedSummary(*checked, range);
    runStep([&] { showChecked(std::move(*checked)); }, QStringLiteral("CmdImport_Click"), objectName());
    LblSummary->setText(summary + QLatin1Char('.'));
    CmdClose->setFocus();
}

void FrmImport::CmdClose_Click()
{
    closeChild(this);
}

} // namespace pellam::app
