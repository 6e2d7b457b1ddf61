#include "QuarterlyFixture.h"
#include "dialogs/ScriptedDialogs.h"
#include "reports/QuarterlyReport.h"
#include "reports/QuarterlyWriters.h"
#include "shell/PellamMenu.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::QuarterlyBooks;

namespace {

QString col(const char* amount)
{
    return QString::fromLatin1(amount).rightJustified(15);
}

// A head's line: the name in 30, then income and expense of each column,
// the columns a blank apart.
QString headLine(const char* name, std::initializer_list<const char*> figures)
{
    QStringList columns;
    for (auto it = figures.begin(); it != figures.end(); it += 2)
        columns << col(it[0]) + col(it[1]);
    return QLatin1Char(' ') + QString::fromLatin1(name).leftJustified(30) + columns.join(QLatin1Char(' '));
}

// The preview file of one run, or nothing when the run opened none.
QString previewOf(const QuarterRequest& r)
{
    const QList<QWidget*> before = QApplication::allWidgets();
    QuarterlyReport(r, QuarterlyToPreview);
    const QList<FrmPreview*> shown = test::previewsSince(before);
    if (shown.size() != 1)
        return {};
    EXPECT_EQ(shown[0]->windowTitle(), QStringLiteral("Quarterly Report"));
    const QString text = QString::fromUtf8(test::fileBytes(shown[0]->fileName()));
    delete shown[0];
    return text;
}

} // namespace

TEST(QuarterlyReport, TheCashIsTheBooksCashAccountCountedOverTheChosenInstitutionsOnly)
{
    QuarterlyBooks books;
    ScriptedDialogsGuard scripted;
    PellamMenu menu;
    state().CashAccNo = 0; // the run finds the cash account in the books themselves
    // The dispensary alone: 2,500.00 overdrawn at the start of the year,
    // 200.00 received in April and 45.50 paid in December; 600.00 paid in
    // March. The school's vouchers and openings do not count.
    const QStringList lines = previewOf(QuarterlyBooks::request("Fourth", false, {2})).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines[0], QStringLiteral(" DISPENSARY QUARTERLY ACCOUNTS"));
    EXPECT_EQ(lines.mid(7, 3),
              (QStringList{headLine("DONATIONS", {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "200.00", "0.00"}),
                           headLine("REPAIRS", {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}),
                           headLine("SALARIES", {"0.00", "0.00", "0.00", "0.00", "0.00", "600.00", "0.00", "645.50"})}));
    const QString gap(16, QLatin1Char(' '));
    // The openings under the income columns, the closings (one further
    // right) under the expense columns.
    EXPECT_EQ(lines[13], QStringLiteral("Op.Balance     ") + gap + col("-2345.50") + gap + col("-2345.50") + gap +
                             col("-2345.50") + gap + col("-2500.00") + gap);
    EXPECT_EQ(lines[15], QStringLiteral("CL.Balance      ") + QString(31, QLatin1Char(' ')) + col("-2345.50") + gap +
                             col("-2345.50") + gap + col("-2945.50") + gap + col("-2945.50") + QLatin1Char(' '));
    EXPECT_EQ(lines[16], QString());
    EXPECT_TRUE(scripted->messages().empty());
    EXPECT_EQ(menu.statusPanel(1), QStringLiteral("Report Generated"));
}

TEST(QuarterlyReport, AQuarterOfAnotherNameOrBooksWithoutACashAccountProduceNothing)
{
    QuarterlyBooks books;
    ScriptedDialogsGuard scripted;
    EXPECT_EQ(previewOf(QuarterlyBooks::request("Fifth")), QString());
    books.conn().execute(QStringLiteral("delete from PostSettings where SettingName = 'CashAccNo'"));
    EXPECT_EQ(previewOf(QuarterlyBooks::request("First")), QString());
    ASSERT_EQ(scripted->messages().size(), 2u);
    EXPECT_EQ(scripted->messages()[0].text, QStringLiteral(" Please Select a Quarter"));
    EXPECT_EQ(scripted->messages()[1].text, QStringLiteral("Cannot find the cash account"));
}
