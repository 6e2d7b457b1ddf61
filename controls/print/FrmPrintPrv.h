#pragma once

#include "CtlExport.h"

#include <QDialog>

class QMenu;
class QPlainTextEdit;

namespace pellam::ctl {

// The print preview of a text table: shows the file in a fixed-pitch font,
// prints it on the page printer, saves it as plain text, or closes.
class PELLAM_CTL_EXPORT FrmPrintPrv : public QDialog {
    Q_OBJECT
public:
    explicit FrmPrintPrv(QWidget* parent = nullptr);

    // Loads the file into the preview.
    void setFileName(const QString& path);
    QString fileName() const { return fileName_; }

    void CmdPrint_Click();
    void CmdSave_Click();

    QMenu* menu() const { return MnFile; }

private:
    QPlainTextEdit* RtbPreview;
    QMenu* MnFile;
    QString fileName_;
};

} // namespace pellam::ctl
