#include "buttonbar/BarButtons.h"

#include <QIcon>
#include <QPushButton>
#include <map>

namespace pellam::ctl {

namespace {

// The bitmap resource shown for each caption.
int pictureOf(const QString& caption)
{
    static const std::map<QString, int> pictures = {
        {QStringLiteral("&Add"), 101},     {QStringLiteral("&Edit"), 102},   {QStringLiteral("&Save"), 103},
        {QStringLiteral("&Cancel"), 104},  {QStringLiteral("&All"), 104},    {QStringLiteral("&Print"), 105},
        {QStringLiteral("&Delete"), 106},  {QStringLiteral("&Search"), 107}, {QStringLiteral("&Start"), 108},
        {QStringLiteral("&Refresh"), 109}, {QStringLiteral("&Close"), 110},
    };
    const auto it = pictures.find(caption);
    return it == pictures.end() ? 0 : it->second;
}

QPushButton* makeButton(QWidget* bar, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), bar);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

BarButtons::BarButtons(QWidget* bar)
    : CmdAdd(makeButton(bar, "CmdAdd", "&Add")), cmdEdit(makeButton(bar, "cmdEdit", "&Edit")),
      CmdDelete(makeButton(bar, "CmdDelete", "&Delete")), CmdPrint(makeButton(bar, "CmdPrint", "&Print")),
      cmdSearch(makeButton(bar, "cmdSearch", "&Search")), cmdRefresh(makeButton(bar, "cmdRefresh", "&Refresh")),
      CmdClose(makeButton(bar, "CmdClose", "&Close"))
{
}

QList<QPushButton*> BarButtons::inOrder() const
{
    return {CmdAdd, cmdEdit, CmdDelete, CmdPrint, cmdSearch, cmdRefresh, CmdClose};
}

void BarButtons::label(QPushButton* button, const QString& caption, const QString& tip)
{
    button->setText(caption);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    showPicture(button, button->property("pellamPictures").toBool());
}

void BarButtons::showPicture(QPushButton* button, bool pictures)
{
    button->setProperty("pellamPictures", pictures);
    const int id = pictureOf(button->text());
    button->setIcon(pictures && id ? QIcon(QStringLiteral(":/pellamctl/buttonbar/%1").arg(id)) : QIcon());
    // The picture carries the id it shows, for whoever needs to tell them apart.
    button->setProperty("pictureId", pictures ? id : 0);
}

void BarButtons::showPictures(bool pictures)
{
    for (QPushButton* button : inOrder())
        showPicture(button, pictures);
}

void BarButtons::setFont(const QFont& font)
{
    for (QPushButton* button : inOrder())
        button->setFont(font);
}

void BarButtons::arrange(const QRect& inner, bool vertical, bool closeShown, bool printShown, bool searchShown)
{
    CmdClose->setVisible(closeShown);
    CmdPrint->setVisible(printShown);
    cmdSearch->setVisible(searchShown);
    const int shown = 7 - !closeShown - !printShown - !searchShown;
    const int step = (vertical ? inner.height() : inner.width()) / shown;
    int offset = 0;
    for (QPushButton* button : inOrder()) {
        // A hidden button keeps the place of the one before it, so the next
        // visible one follows without a gap.
        if (vertical)
            button->setGeometry(inner.left(), inner.top() + offset, inner.width(), step);
        else
            button->setGeometry(inner.left() + offset, inner.top(), step, inner.height());
        if (!button->isHidden())
            offset += step;
    }
}

} // namespace pellam::ctl
