#include "core/AppState.h"
#include "core/Common.h"
#include "core/FrmPreview.h"
#include "core/LineFileView.h"
#include "dialogs/ScriptedDialogs.h"
#include "errors/PellamError.h"
#include "reports/WindowTargets.h"
#include "settings/SettingsStore.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"
#include "system/AppFolders.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

LineFileView* viewOf(QWidget* preview)
{
    return preview->findChild<LineFileView*>(QStringLiteral("rtbInfo"));
}

// What Ctrl+C puts on the clipboard after the keys given.
QString copiedAfter(QWidget* view, const std::function<void()>& keys)
{
    QApplication::clipboard()->setText(QStringLiteral("<nothing copied>"));
    keys();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    return QApplication::clipboard()->text();
}

} // namespace

TEST(FrmPreview, ShowsTheReportAndPrintsItRawLineByLine)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    const QString printer = home.file(QStringLiteral("lpt.out"));
    SettingsStore::write(SettingsStore::LocalMachine, QStringLiteral("Software\\Pellam\\Coffer9.0"),
                         QStringLiteral("RawPrinter"), printer);
    const QString report = home.file(QStringLiteral("rpt.tmp"));
    writeFile(report, "   LEDGER OF ST. MARY'S\n   DONATIONS        12,34,567.50\r\n"
                      "   \u0926\u093e\u0928 \u092a\u0947\u091f\u0940  \u0ca6\u0cc7\u0ca3\u0cbf\u0c97\u0cc6  \u5bc4\u4ed8\n");

    QString caption;
    ShowReportPreview(report, caption);
    EXPECT_EQ(caption, QStringLiteral("Pellam Accounts 3.1  Preview"));
    FrmPreview preview;
    preview.loadFile(report);
    LineFileView* view = viewOf(&preview);
    EXPECT_EQ(view->lineCount(), 3);
    EXPECT_EQ(copiedAfter(view, [view] { QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier); }),
              QStringLiteral("   LEDGER OF ST. MARY'S\n   DONATIONS        12,34,567.50\n"
                             "   \u0926\u093e\u0928 \u092a\u0947\u091f\u0940  \u0ca6\u0cc7\u0ca3\u0cbf\u0c97\u0cc6  \u5bc4\u4ed8"));

    preview.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    // The printer's code page has no Indian or Chinese letters: each is a "?".
    EXPECT_EQ(readFile(printer), QByteArray("   LEDGER OF ST. MARY'S\r\n   DONATIONS        12,34,567.50\r\n"
                                            "   ??? ????  ??????  ??\r\n"));
    EXPECT_TRUE(scripted->messages().empty());

    QFile::remove(report);
    preview.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text,
              QStringLiteral("An Internal Error Occured Information file is deleted\rrecreate the report"));
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(readFile(printer).count('\n'), 3) << "nothing more was printed";
}

TEST(FrmPreview, PrintTextSendsALongReportWholeThroughACommand)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    const QString printed = home.file(QStringLiteral("printed"));
    SettingsStore::write(SettingsStore::LocalMachine, QStringLiteral("Software\\Pellam\\Coffer9.0"),
                         QStringLiteral("RawPrinter"), QStringLiteral("|cat > '%1'").arg(printed));
    // Far more than the printer is handed at a time, the last line unended.
    QByteArray report;
    QByteArray expected;
    for (int i = 0; i < 40000; ++i) {
        const QByteArray line = "   " + QByteArray::number(i) + "  CAF\xc3\x89 RENT            1,200.00";
        report += line + (i % 7 == 0 ? "\r\n" : "\n");
        expected += "   " + QByteArray::number(i) + "  CAF\xc9 RENT            1,200.00\r\n";
    }
    report += "   TOTAL";
    expected += "   TOTAL\r\n";
    const QString file = home.file(QStringLiteral("long.tmp"));
    writeFile(file, report);

    FrmPreview preview;
    preview.loadFile(file);
    preview.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    EXPECT_TRUE(scripted->messages().empty());
    EXPECT_TRUE(readFile(printed) == expected) << readFile(printed).size() << " bytes printed of " << expected.size();
}

namespace {

// The files the program has left in its temporary folder.
QStringList leftInTemp()
{
    return QDir(AppFolders::temp()).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

TEST(FrmPreview, AReportFileLastsAsLongAsItsPreview)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    QDir().mkpath(AppFolders::temp());
    state().TempDir = AppFolders::temp() + QLatin1Char('/');
    const auto twoLines = [](const std::function<void(const QString&)>& line) {
        line(QStringLiteral("   LEDGER"));
        line(QStringLiteral("   DONATIONS"));
    };

    const QList<QWidget*> before = QApplication::allWidgets();
    toPreview(twoLines, QStringLiteral("Ledger"));
    toPreview(twoLines, QStringLiteral("Ledger"));
    QList<FrmPreview*> shown;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* p = qobject_cast<FrmPreview*>(w); p && !before.contains(w))
            shown << p;
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[1]->focusWidget(), viewOf(shown[1])) << "the report has the keys";
    EXPECT_EQ(leftInTemp().size(), 2) << "each open preview keeps its file";

    const QString first = shown[0]->fileName();
    shown[0]->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(QFile::exists(first));
    EXPECT_EQ(leftInTemp(), QStringList{QFileInfo(shown[1]->fileName()).fileName()});
    delete shown[1];
    EXPECT_EQ(leftInTemp(), QStringList());

    // A report that fails half-way leaves no file and no preview.
    EXPECT_THROW(toPreview(
                     [](const std::function<void(const QString&)>& line) {
                         line(QStringLiteral("   LEDGER"));
                         throw PellamError(61, QStringLiteral("Disk full"), QStringLiteral("Report"));
                     },
                     QStringLiteral("Ledger")),
                 PellamError);
    EXPECT_EQ(leftInTemp(), QStringList());
}

namespace {

// A preview of a report longer than the reads the view makes at a time,
// inside a window whose own Ctrl+C opens something else, as the main
// window's does. Two lines far apart name the same trust.
struct LongReport : ::testing::Test {
    static constexpr int kLines = 120000;
    static constexpr int kTrustLines[] = {4000, 115000};
    static QString lineText(int i)
    {
        const bool trust = i == kTrustLines[0] || i == kTrustLines[1];
        return QStringLiteral("%1  %2  DONATION FROM DEVOTEES OF THE TEMPLE AT KUMBAKONAM   %3.00")
            .arg(i, 6, 10, QLatin1Char('0'))
            .arg(trust ? QStringLiteral("SRI RAMA TRUST") : QStringLiteral("PARISH FUND   "))
            .arg(i % 9000 + 100, 10);
    }

    test::TempHome home;
    QWidget host;
    QAction* calculator = new QAction(&host);
    int calculatorOpened = 0;
    FrmPreview* preview = new FrmPreview(&host);
    LineFileView* view = viewOf(preview);
    QLabel* status = preview->findChild<QLabel*>(QStringLiteral("lblStatus"));

    void SetUp() override
    {
        QByteArray report;
        for (int i = 0; i < kLines; ++i)
            report += lineText(i).toUtf8() + '\n';
        const QString file = home.file(QStringLiteral("long.tmp"));
        writeFile(file, report);
        preview->loadFile(file);

        calculator->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
        QObject::connect(calculator, &QAction::triggered, [this] { ++calculatorOpened; });
        host.addAction(calculator);
        (new QVBoxLayout(&host))->addWidget(preview);
        host.resize(760, 520);
        host.show();
        view->setFocus();
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    }

    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), modifiers);
    }
    bool onScreen(int line) const
    {
        return line >= view->firstVisibleLine() && line < view->firstVisibleLine() + view->visibleLineCount();
    }
};

} // namespace

TEST_F(LongReport, KeysMoveThroughTheWholeReportAndCopyWhatTheySelect)
{
    EXPECT_EQ(view->lineCount(), kLines);
    EXPECT_EQ(view->lineText(0), lineText(0));
    EXPECT_EQ(view->lineText(kLines - 1), lineText(kLines - 1));

    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->cursorPosition().line, kLines - 1);
    EXPECT_TRUE(onScreen(kLines - 1));
    EXPECT_EQ(copiedAfter(view,
                          [this] {
                              key(Qt::Key_Home);
                              key(Qt::Key_End, Qt::ShiftModifier);
                          }),
              lineText(kLines - 1));
    EXPECT_EQ(calculatorOpened, 0) << "Ctrl+C in the preview copies";

    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(view->firstVisibleLine(), 0);
    const int page = view->visibleLineCount();
    ASSERT_GT(page, 5);
    key(Qt::Key_PageDown);
    key(Qt::Key_PageDown);
    EXPECT_EQ(view->cursorPosition().line, 2 * page);
    EXPECT_EQ(view->firstVisibleLine(), 2 * page) << "a page key turns the page";
    EXPECT_EQ(copiedAfter(view,
                          [this] {
                              key(Qt::Key_Up, Qt::ShiftModifier);
                              key(Qt::Key_Left, Qt::ShiftModifier);
                          }),
              QLatin1Char('\n') + lineText(2 * page - 1) + QLatin1Char('\n'));
}

TEST_F(LongReport, AllOfItIsTooMuchToCopy)
{
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(copiedAfter(view, [] {}), QStringLiteral("<nothing copied>"));
    EXPECT_EQ(status->text(), QStringLiteral("Too much to copy at once: select fewer lines."));
}

TEST_F(LongReport, FindsTextFarDownGoesRoundTheEndAndSaysWhenItIsNotThere)
{
    auto* box = preview->findChild<QLineEdit*>(QStringLiteral("txtFind"));
    key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), box);
    QTest::keyClicks(box, QStringLiteral("sri rama trust"));

    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int line;
        QString said;
    } steps[] = {
        {Qt::Key_Return, Qt::NoModifier, kTrustLines[0], QString()},
        {Qt::Key_F3, Qt::NoModifier, kTrustLines[1], QString()},
        {Qt::Key_Return, Qt::NoModifier, kTrustLines[0], QStringLiteral("Continued from the top")},
        {Qt::Key_F3, Qt::ShiftModifier, kTrustLines[1], QStringLiteral("Continued from the bottom")},
        {Qt::Key_Return, Qt::ShiftModifier, kTrustLines[0], QString()},
    };
    for (const auto& step : steps) {
        key(step.key, step.modifiers);
        EXPECT_EQ(view->selectedText(), QStringLiteral("SRI RAMA TRUST")) << step.line;
        EXPECT_EQ(view->cursorPosition().line, step.line);
        EXPECT_TRUE(onScreen(step.line)) << step.line;
        EXPECT_EQ(status->text(), step.said) << step.line;
    }

    key(Qt::Key_Escape);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), view);
    key(Qt::Key_F3);
    EXPECT_EQ(view->cursorPosition().line, kTrustLines[1]) << "F3 finds again from the view";

    key(Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(box, QStringLiteral("st. joseph"));
    key(Qt::Key_Return);
    EXPECT_EQ(status->text(), QStringLiteral("Not found"));
    EXPECT_EQ(view->selectedText(), QStringLiteral("SRI RAMA TRUST")) << "the last match stays selected";
}

TEST(FrmPreview, EachLineAndItsHighlightArePaintedInTheLinesOwnRow)
{
    test::TempHome home;
    const QString file = home.file(QStringLiteral("rows.tmp"));
    writeFile(file, "BUILDING FUND\n\nWATER CHARGES\n");
    FrmPreview preview;
    preview.loadFile(file);
    LineFileView* view = viewOf(&preview);
    view->resize(300, 200);
    view->select({2, 0}, {2, 5});
    const QImage shot = view->viewport()->grab().toImage();
    const int row = view->fontMetrics().lineSpacing();
    const QRgb paper = view->palette().color(QPalette::Base).rgb();
    const QRgb highlight = view->palette().color(QPalette::Highlight).rgb();

    // Which rows of lines hold ink, and which hold the highlight.
    QSet<int> inked;
    QSet<int> highlighted;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb pixel = shot.pixel(x, y);
            if (pixel == highlight)
                highlighted << y / row;
            else if (pixel != paper)
                inked << y / row;
        }
    EXPECT_EQ(inked, (QSet<int>{0, 2}));
    EXPECT_EQ(highlighted, QSet<int>{2});
}
