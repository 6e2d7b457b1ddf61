#include "shell/HelpWindow.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace pellam::app {

namespace {

// The help installed beside the program when it is there, else the pages
// built into the program.
QUrl helpPage(const QString& helpFile)
{
    const QString page = DesktopHelpViewer::pageFor(helpFile);
    if (QFileInfo::exists(page))
        return QUrl::fromLocalFile(page);
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

} // namespace

void HelpWindow::show(const QString& helpFile, const QString& anchor)
{
    if (!browser_) {
        browser_ = new QTextBrowser;
        browser_->setAttribute(Qt::WA_DeleteOnClose);
        browser_->setObjectName(QStringLiteral("HelpWindow"));
        browser_->setWindowTitle(QStringLiteral("Pellam Accounts Help"));
        browser_->resize(640, 720);
    }
    QUrl url = helpPage(helpFile);
    url.setFragment(anchor);
    browser_->setSource(url);
    browser_->scrollToAnchor(anchor);
    browser_->show();
    browser_->raise();
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

} // namespace pellam::app
