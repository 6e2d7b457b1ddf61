#include "errors/PellamError.h"
#include "printing/RawPrinter.h"
#include "settings/SettingsStore.h"

#include "support/QtPrinters.h"
#include "support/TempHome.h"

#include <QFile>

#include <gtest/gtest.h>

using pellam::RawPrinter;
using pellam::SettingsStore;

namespace {

void setTarget(const QString& value)
{
    ASSERT_TRUE(SettingsStore::write(SettingsStore::LocalMachine, QStringLiteral("Software\\Pellam\\Coffer9.0"),
                                     QStringLiteral("RawPrinter"), value));
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

int errorOf(const std::function<void()>& act)
{
    try {
        act();
    } catch (const pellam::PellamError& e) {
        return e.Number();
    }
    return 0;
}

} // namespace

TEST(RawPrinter, TargetDefaultsToTheRawQueue)
{
    pellam::test::TempHome home;
    EXPECT_EQ(RawPrinter::target(), QStringLiteral("|lp -o raw"));
    setTarget(QStringLiteral("  "));
    EXPECT_EQ(RawPrinter::target(), QStringLiteral("|lp -o raw"));
    setTarget(QStringLiteral("/dev/usb/lp0"));
    EXPECT_EQ(RawPrinter::target(), QStringLiteral("/dev/usb/lp0"));
}

TEST(RawPrinter, WritesBytesExactlyAndTextInTheWesternCodePage)
{
    pellam::test::TempHome home;
    const QString path = home.file(QStringLiteral("prn"));
    setTarget(path);
    const QByteArray codes("\x1b" "E\x0f" "Rs.\r\n\x0c", 9);
    RawPrinter::write(codes);
    RawPrinter::writeText(QStringLiteral("\u20AC 5 caf\u00E9\r\n"));
    EXPECT_EQ(contents(path), codes + QByteArray("\x80 5 caf\xe9\r\n"));
}

TEST(RawPrinter, PipesIntoACommand)
{
    pellam::test::TempHome home;
    const QString out = home.file(QStringLiteral("piped"));
    setTarget(QStringLiteral("|cat > '%1'").arg(out));
    RawPrinter::write(QByteArray("voucher\x0c", 8));
    EXPECT_EQ(contents(out), QByteArray("voucher\x0c", 8));
}

TEST(RawPrinter, ReportsTargetsThatCannotTakeTheBytes)
{
    pellam::test::TempHome home;
    setTarget(home.file(QStringLiteral("no/such/folder/prn")));
    EXPECT_EQ(errorOf([] { RawPrinter::write("x"); }), 76);
    setTarget(home.path());
    EXPECT_EQ(errorOf([] { RawPrinter::write("x"); }), 75) << "a folder is no printer";
    setTarget(QStringLiteral("|exit 3"));
    EXPECT_EQ(errorOf([] { RawPrinter::write("x"); }), 57);
    setTarget(QStringLiteral("|no-such-printer-command-here"));
    EXPECT_EQ(errorOf([] { RawPrinter::write("x"); }), 57);
}

TEST(RawPrintJob, ALongJobGoesOverInPiecesAndACommandIsJudgedByItsExit)
{
    pellam::test::TempHome home;
    const QString out = home.file(QStringLiteral("piped"));
    const QByteArray piece(64 * 1024, 'x');
    const auto printFiveMegabytes = [&piece] {
        pellam::RawPrintJob job;
        for (int i = 0; i < 80; ++i)
            job.write(piece);
        job.finish();
    };
    const struct {
        QString target;
        int error;
        qint64 received;
    } cases[] = {
        {QStringLiteral("|cat > '%1'").arg(out), 0, 80 * piece.size()},
        {out, 0, 2 * 80 * piece.size()}, // a file takes job after job
        {QStringLiteral("|head -c 10 > '%1'").arg(out), 0, 10},
        {QStringLiteral("|exit 3"), 57, -1},
    };
    for (const auto& c : cases) {
        setTarget(c.target);
        EXPECT_EQ(errorOf(printFiveMegabytes), c.error) << c.target.toStdString();
        if (c.received >= 0) {
            EXPECT_EQ(contents(out).size(), c.received) << c.target.toStdString();
        }
    }
}
