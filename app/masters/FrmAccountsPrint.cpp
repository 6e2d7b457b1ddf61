// The printed list of ledger heads: written to a report text file and shown
// in the preview.
#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "masters/AccountHeadsList.h"
#include "masters/FrmAccounts.h"

#include <QDateTime>
#include <QTemporaryFile>

namespace pellam::masters {

namespace {

// A fresh report file in the temporary folder, removed by the preview that
// shows it.
QString writeReportFile(const QStringList& lines)
{
    QTemporaryFile file(app::state().TempDir + QStringLiteral("radXXXXXX.tmp"));
    if (!file.open())
        throw PellamError::standard(PathAccessError, QStringLiteral("print"));
    const int last = int(lines.size());
    for (int i = 0; i < last; ++i) {
        file.write((lines[i] + QLatin1Char('\n')).toUtf8());
        app::ShowProgress(i + 1, 1, last + 1);
    }
    if (!file.flush())
        throw PellamError::standard(DiskFull, QStringLiteral("print"));
    // Written in full: from here on the file is the preview's.
    file.setAutoRemove(false);
    return file.fileName();
}

} // namespace

void FrmAccounts::UBtnCtrl1_OnPrintClick(bool, bool*)
{
    app::ShowStatus(QStringLiteral("Preparing to print"));
    QString fileName;
    const app::StepResult written = app::runStep(
        [&] {
            const QStringList lines = AccountHeadsList::lines(store_.listedHeads(), QDateTime::currentDateTime());
            app::ShowStatus(QStringLiteral("Printing......."));
            fileName = writeReportFile(lines);
        },
        QStringLiteral("print"), QStringLiteral("FrmAccounts"));
    if (written == app::StepResult::Done) {
        QString caption = QStringLiteral("Account Heads");
        app::ShowReportPreview(fileName, caption);
    }
    app::ShowStatus(QString());
    app::ShowProgress(100, 2, 100);
}

} // namespace pellam::masters
