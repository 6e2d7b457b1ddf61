#pragma once

// A print run into a PDF file, with the printer dialog answered, and the
// lines it printed read back by page.
#include "dialogs/ScriptedDialogs.h"
#include "printing/PagePrinter.h"
#include "reports/ReportPrinter.h"
#include "support/TempHome.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <vector>

namespace pellam::test {

inline int pdfPages(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// The lines printed on one page, in order.
inline QStringList page(const std::vector<app::PrintedLine>& printed, int number)
{
    QStringList lines;
    for (const app::PrintedLine& l : printed)
        if (l.page == number)
            lines << l.text;
    return lines;
}

struct PrintRun {
    TempHome pdfHome;
    QString pdf = pdfHome.file(QStringLiteral("report.pdf"));
    ScriptedDialogsGuard scripted;
    app::ReportPrinter printer;
    std::vector<app::PrintedLine> printed;   // every line, as it went to the printer

    explicit PrintRun(int offset, QPageLayout::Orientation paper = QPageLayout::Portrait) : printer(offset, paper)
    {
        printer.watchLines([this](const app::PrintedLine& l) { printed.push_back(l); });
        PagePrinter::instance().usePdfFile(pdf);
        scripted->answerPrinter(true);
    }
    template <class Fn>
    void run(Fn&& print)
    {
        ASSERT_TRUE(printer.open());
        print(printer);
        printer.end();
    }
};

} // namespace pellam::test
