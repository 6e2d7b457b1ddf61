#include "core/Common.h"

#include "core/AppState.h"
#include "core/ErrorHandling.h"
#include "core/FrmPreview.h"
#include "core/ShellView.h"
#include "data/ReportHeading.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "format/DateText.h"
#include "help/HelpViewer.h"

#include <QComboBox>
#include <QListWidget>

namespace pellam::app {

bool Connection()
{
    ShowStatus(QStringLiteral("Connecting to Database"));
    AppState& s = state();
    runStep(
        [&] {
            if (s.Conn.State() == 0)
                s.Conn.OpenHeld(s.DbFile);
        },
        QStringLiteral("Connection"), QStringLiteral("Common"));
    ShowStatus(QString());
    return s.Conn.State() == 1;
}

QString properCase(const QString& text)
{
    QString out = text.toLower();
    bool wordStart = true;
    for (QChar& ch : out) {
        if (ch.isSpace()) {
            wordStart = true;
        } else {
            if (wordStart)
                ch = ch.toUpper();
            wordStart = false;
        }
    }
    return out;
}

void ShowStatus(const QString& text)
{
    shellView().setStatusText(properCase(text));
}

void ShowProgress(int value, int mode, int maximum)
{
    shellView().setProgress(value, mode, maximum);
}

void ShowReportPreview(const QString& file, QString& caption)
{
    if (caption.trimmed().isEmpty())
        caption = QStringLiteral("Pellam Accounts 3.1  Preview");
    FrmPreview::open(file, caption);
}

namespace {

template <class Add>
void loadInstitutions(Add add)
{
    db::RecordSet rs = state().Conn.query(QStringLiteral("select shopid,shopname from organization order by shopid"));
    for (; !rs.eof(); rs.MoveNext())
        add(rs.toString(QStringLiteral("shopname")), rs.toInt(QStringLiteral("shopid")));
}

} // namespace

void LoadInstitutions(QListWidget* list)
{
    list->clear();
    loadInstitutions([list](const QString& name, qint64 id) {
        auto* item = new QListWidgetItem(name, list);
        item->setData(Qt::UserRole, id);
    });
    if (list->count() == 0)
        throw PellamError::standard(InvalidPropertyValue, QStringLiteral("LoadInstitutions"));
    list->setCurrentRow(0);
}

void LoadInstitutions(QComboBox* list)
{
    list->clear();
    loadInstitutions([list](const QString& name, qint64 id) { list->addItem(name, id); });
    if (list->count() == 0)
        throw PellamError::standard(InvalidPropertyValue, QStringLiteral("LoadInstitutions"));
    list->setCurrentIndex(0);
}

void ShowHelp(short context)
{
    helpViewer().showContents(state().HelpFile, context);
}

QString ReportTitle(int kind, int shopId, QString& place)
{
    const data::ReportHeading heading = data::reportHeading(state().Conn, kind, shopId);
    if (!heading.place.isEmpty())
        place = heading.place;
    return heading.title;
}

} // namespace pellam::app
