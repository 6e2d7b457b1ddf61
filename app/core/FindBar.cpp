#include "core/FindBar.h"

#include "core/LineFileView.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace pellam::app {

FindBar::FindBar(LineFileView* view, QWidget* parent) : QWidget(parent), view_(view), text_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("FindBar"));
    text_->setObjectName(QStringLiteral("txtFind"));
    auto* label = new QLabel(QStringLiteral("&Find:"), this);
    label->setBuddy(text_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(text_, 1);
    text_->installEventFilter(this);
    hide();
}

void FindBar::open()
{
    show();
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
}

void FindBar::findNext()
{
    find(true);
}

void FindBar::findPrevious()
{
    find(false);
}

void FindBar::find(bool forward)
{
    if (text_->text().isEmpty()) {
        open();
        return;
    }
    switch (view_->find(text_->text(), forward)) {
    case LineFileView::FindResult::Found:
        emit said(QString());
        break;
    case LineFileView::FindResult::FoundFromOtherEnd:
        emit said(forward ? QStringLiteral("Continued from the top") : QStringLiteral("Continued from the bottom"));
        break;
    case LineFileView::FindResult::NotFound:
        emit said(QStringLiteral("Not found"));
        break;
    }
}

void FindBar::close()
{
    hide();
    emit said(QString());
    view_->setFocus(Qt::OtherFocusReason);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    // Escape belongs to the bar while the box has the focus, whatever else
    // the window does with it.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (key->key() == Qt::Key_Escape || enter) {
            if (event->type() == QEvent::KeyPress) {
                if (enter)
                    find(!(key->modifiers() & Qt::ShiftModifier));
                else
                    close();
            }
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pellam::app
