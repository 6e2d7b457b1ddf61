#include "masters/AccountHeadsList.h"

#include "format/PrintableText.h"

#include <QLocale>

namespace pellam::masters {

namespace {

const QString kRule = QStringLiteral("           - - - - - - - - - - - - - -");
const QString kTitle = QStringLiteral("           A C C O U N T    H E A D S");
const QString kColumns = QStringLiteral("Sl   Code         Account                ");
// Past the longest name (3 + 10 + 30 characters) and a blank.
constexpr int kCarriedColumn = 45;
const QString kUnderline = QStringLiteral(" - -- - - - - - - - - - - - - - - - - - - - - - - - - ");

// The serial number takes three characters up to 999.
QString serial(int i)
{
    return QString::number(i) + QString(i < 10 ? 2 : i < 100 ? 1 : 0, QLatin1Char(' '));
}

} // namespace

QStringList AccountHeadsList::lines(const std::vector<ListedHead>& heads, const QDateTime& runAt)
{
    QStringList out{kRule, kTitle, kRule, kColumns.leftJustified(kCarriedColumn) + QStringLiteral("Carried"),
                    kUnderline};
    int i = 0;
    for (const ListedHead& head : heads) {
        const QString line = serial(++i) + printable(head.code).trimmed().leftJustified(10) + printable(head.name);
        out << (head.carried ? line.leftJustified(kCarriedColumn) + QStringLiteral("Yes") : line);
    }
    out << QString() << runDateLine(runAt) << QString() << QString();
    return out;
}

QString AccountHeadsList::runDateLine(const QDateTime& runAt)
{
    // English AM/PM whatever the desktop's language, like the rest of the text.
    return QStringLiteral("Run Date :") + QLocale::c().toString(runAt, QStringLiteral("dd-MM-yyyy hh:mm:ss AP"));
}

} // namespace pellam::masters
