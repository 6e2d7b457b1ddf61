#pragma once

#include "data/VoucherImport.h"

#include <QWidget>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace pellam::app {

class ImportRowsModel;

// Imports vouchers from a CSV file: a file of vouchers, or a bank's
// statement read through a saved mapping. Check shows every row with what
// its check says, refused rows marked; Import checks the file again and
// stores all its vouchers in one transaction, or none.
class FrmImport : public QWidget {
    Q_OBJECT
public:
    static constexpr short kHelpContext = 42;
    explicit FrmImport(QWidget* parent = nullptr);

    ImportRowsModel& rows() const { return *model_; }

public slots:
    void CmdBrowse_Click();
    void CmdNewMapping_Click();
    void CmdEditMapping_Click();
    void CmdCheck_Click();
    void CmdImport_Click();
    void CmdClose_Click();

private:
    void Form_Load();
    void loadMappings(const QString& select);
    void layoutChanged();
    // The file checked, its progress shown from `from` to `to` percent;
    // nothing when the file or the mapping is refused (which has been said).
    std::optional<data::CheckedImport> checkFile(data::VoucherImport& import, int from, int to);
    data::VoucherImport newImport() const;
    void showChecked(data::CheckedImport checked);

    QLineEdit* TxtFile;
    QPushButton* CmdBrowse;
    QComboBox* CboMapping;
    QPushButton* CmdNewMapping;
    QPushButton* CmdEditMapping;
    QLineEdit* TxtDefaultHead;
    QCheckBox* ChkDuplicates;
    QTableView* GrdRows;
    QLabel* LblRow;
    QLabel* LblSummary;
    QProgressBar* PrgImport;
    QPushButton* CmdCheck;
    QPushButton* CmdImport;
    QPushButton* CmdClose;
    ImportRowsModel* model_;
};

} // namespace pellam::app
