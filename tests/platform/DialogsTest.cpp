#include "dialogs/QtDialogs.h"
#include "dialogs/ScriptedDialogs.h"

#include "support/QtPrinters.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace pellam;

TEST(ScriptedDialogs, AnswersInOrderAndRecordsWhatWasShown)
{
    ScriptedDialogsGuard scripted;
    scripted->answer(MessageAnswer::No).answer(MessageAnswer::Retry).answerInput(QStringLiteral("April"));

    MessageRequest q;
    q.text = QStringLiteral("Are You Sure ?");
    q.title = QStringLiteral("Pellam");
    q.buttons = MessageButtons::YesNo;
    q.icon = MessageIcon::Question;
    EXPECT_EQ(dialogs().message(q), MessageAnswer::No);

    MessageRequest e;
    e.text = QStringLiteral("failed");
    e.buttons = MessageButtons::AbortRetryIgnore;
    e.helpButton = true;
    EXPECT_EQ(dialogs().message(e), MessageAnswer::Retry);
    EXPECT_EQ(dialogs().input({QStringLiteral("Name"), QStringLiteral("File"), {}}), QStringLiteral("April"));

    // Nothing scripted: the default button, as Enter would answer.
    MessageRequest d;
    d.buttons = MessageButtons::YesNo;
    d.defaultButton = 1;
    EXPECT_EQ(dialogs().message(d), MessageAnswer::No);
    EXPECT_EQ(dialogs().input({QStringLiteral("Name"), {}, QStringLiteral("x")}), QStringLiteral("x"));
    EXPECT_EQ(dialogs().file({}), std::nullopt);

    ASSERT_EQ(scripted->messages().size(), 3u);
    EXPECT_EQ(scripted->texts(), (QStringList{QStringLiteral("Are You Sure ?"), QStringLiteral("failed"), QString()}));
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Question);
    EXPECT_EQ(scripted->messages()[0].title, QStringLiteral("Pellam"));
    EXPECT_TRUE(scripted->messages()[1].helpButton);
    EXPECT_EQ(scripted->inputs()[0].prompt, QStringLiteral("Name"));
    EXPECT_EQ(scripted->pendingAnswers(), 0);
}

TEST(ScriptedDialogs, GuardPutsThePreviousServiceBack)
{
    Dialogs* before = &dialogs();
    {
        ScriptedDialogsGuard scripted;
        EXPECT_EQ(&dialogs(), &*scripted);
    }
    EXPECT_EQ(&dialogs(), before);
}

TEST(QtDialogs, AMessageGivesTheKeysBackToTheWindowThatHadThem)
{
    QWidget window;
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    second->setFocus();

    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            owner = box->parentWidget();
            box->accept();
        }
    });
    MessageRequest m;
    m.text = QStringLiteral("Please Select atleast one Ledger");
    EXPECT_EQ(QtDialogs().message(m), MessageAnswer::Ok);

    EXPECT_EQ(owner, &window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), second);
}
