#include "help/HelpViewer.h"

#include "system/AppFolders.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace pellam {

namespace {

std::unique_ptr<HelpViewer>& current()
{
    static std::unique_ptr<HelpViewer> viewer = std::make_unique<DesktopHelpViewer>();
    return viewer;
}

void open(const QString& helpFile)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(DesktopHelpViewer::pageFor(helpFile)));
}

} // namespace

HelpViewer::~HelpViewer() = default;

QString DesktopHelpViewer::pageFor(const QString& helpFile)
{
    const QString file = helpFile.trimmed().isEmpty()
                             ? QDir(AppFolders::home()).filePath(QStringLiteral("help"))
                             : helpFile.trimmed();
    const QFileInfo info(file);
    return info.isDir() ? QDir(info.absoluteFilePath()).filePath(QStringLiteral("index.html"))
                        : info.absoluteFilePath();
}

void DesktopHelpViewer::showContents(const QString& helpFile, int)
{
    open(helpFile);
}

void DesktopHelpViewer::showTopic(const QString& helpFile, int)
{
    open(helpFile);
}

void DesktopHelpViewer::showIndex(const QString& helpFile, int)
{
    open(helpFile);
}

HelpViewer& helpViewer()
{
    return *current();
}

std::unique_ptr<HelpViewer> setHelpViewer(std::unique_ptr<HelpViewer> viewer)
{
    if (!viewer)
        viewer = std::make_unique<DesktopHelpViewer>();
    std::swap(current(), viewer);
    return viewer;
}

} // namespace pellam
