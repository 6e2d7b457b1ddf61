#include "shell/HelpWindow.h"

#include <QFileInfo>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

// The pages built into the program live in a static library, whose
// resources are registered only when something asks for them.
static void registerBuiltInHelp()
{
    Q_INIT_RESOURCE(help);
}

namespace pellam::app {

namespace {

const QString kTitle = QStringLiteral("Pellam Accounts Help");

// The help installed beside the program when it is there, else the pages
// built into the program.
QUrl helpPage(const QString& helpFile)
{
    const QString page = DesktopHelpViewer::pageFor(helpFile);
    if (QFileInfo::exists(page))
        return QUrl::fromLocalFile(page);
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

// The text of the block that holds `anchor`; empty when the page has none.
QString headingAt(const QTextDocument& page, const QString& anchor)
{
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(anchor))
                return block.text().trimmed();
    return {};
}

} // namespace

HelpWindow::HelpWindow()
{
    registerBuiltInHelp();
}

void HelpWindow::show(const QString& helpFile, const QString& anchor)
{
    if (!browser_) {
        browser_ = new QTextBrowser;
        browser_->setAttribute(Qt::WA_DeleteOnClose);
        browser_->setObjectName(QStringLiteral("HelpWindow"));
        browser_->setWindowTitle(kTitle);
        browser_->resize(640, 720);
    }
    QUrl url = helpPage(helpFile);
    url.setFragment(anchor);
    browser_->setSource(url);
    browser_->scrollToAnchor(anchor);
    const QString topic = currentTopic();
    browser_->setWindowTitle(topic.isEmpty() ? kTitle : kTitle + QStringLiteral(" - ") + topic);
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

void HelpWindow::showContents(const QString& helpFile, int topicId)
{
    show(helpFile, topicId > 0 ? QStringLiteral("topic-%1").arg(topicId) : QStringLiteral("contents"));
}

void HelpWindow::showTopic(const QString& helpFile, int topicId)
{
    show(helpFile, QStringLiteral("topic-%1").arg(topicId));
}

void HelpWindow::showIndex(const QString& helpFile, int)
{
    show(helpFile, QStringLiteral("index"));
}

void HelpWindow::close()
{
    if (browser_)
        browser_->close();
}

QString HelpWindow::currentPage() const
{
    if (!browser_ || !browser_->isVisible())
        return {};
    const QUrl url = browser_->source();
    return url.fileName() + (url.hasFragment() ? QLatin1Char('#') + url.fragment() : QString());
}

QString HelpWindow::currentTopic() const
{
    if (!browser_)
        return {};
    return headingAt(*browser_->document(), browser_->source().fragment());
}

} // namespace pellam::app
