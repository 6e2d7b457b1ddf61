#include "dialogs/QtDialogs.h"

#include "help/HelpViewer.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>

namespace pellam {

namespace {

QString titleOr(const QString& title)
{
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

QMessageBox::StandardButton standardButton(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok: return QMessageBox::Ok;
    case MessageAnswer::Cancel: return QMessageBox::Cancel;
    case MessageAnswer::Yes: return QMessageBox::Yes;
    case MessageAnswer::No: return QMessageBox::No;
    case MessageAnswer::Abort: return QMessageBox::Abort;
    case MessageAnswer::Retry: return QMessageBox::Retry;
    case MessageAnswer::Ignore: return QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The window a dialog belongs to: the modal window open now, else the active
// window, else the program's visible main window.
QWidget* ownerWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() == Qt::Window)
            return w;
    return nullptr;
}

// Hands the keyboard back, when a dialog closes, to the window and the box
// that had it. Without a window manager that does so, closing the dialog
// would leave no window active and every key unanswered.
class ReturnFocus {
public:
    ReturnFocus() : window_(ownerWindow()), focus_(QApplication::focusWidget()) {}
    ~ReturnFocus()
    {
        if (!window_ || !window_->isVisible())
            return;
        window_->activateWindow();
        if (focus_ && focus_->window() == window_ && focus_->isVisible())
            focus_->setFocus(Qt::ActiveWindowFocusReason);
    }
    ReturnFocus(const ReturnFocus&) = delete;
    ReturnFocus& operator=(const ReturnFocus&) = delete;

    QWidget* window() const { return window_; }

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
};

} // namespace

MessageAnswer QtDialogs::message(const MessageRequest& request)
{
    const QList<MessageAnswer> answers = answersOf(request.buttons);
    const ReturnFocus owner;
    for (;;) {
        QMessageBox box(boxIcon(request.icon), titleOr(request.title), request.text,
                        QMessageBox::NoButton, owner.window());
        for (MessageAnswer a : answers)
            box.addButton(standardButton(a));
        const int d = qBound(0, request.defaultButton, int(answers.size()) - 1);
        box.setDefaultButton(standardButton(answers[d]));
        QPushButton* help = request.helpButton ? box.addButton(QMessageBox::Help) : nullptr;
        if (answers.contains(MessageAnswer::Cancel))
            box.setEscapeButton(QMessageBox::Cancel);
        box.exec();
        // Help shows the help and leaves the question open, as a help button should.
        if (help && box.clickedButton() == help) {
            helpViewer().showContents(QString(), 0);
            continue;
        }
        const auto clicked = box.standardButton(box.clickedButton());
        for (MessageAnswer a : answers)
            if (standardButton(a) == clicked)
                return a;
        // Closed with the window's close box: the cancelling answer.
        if (answers.contains(MessageAnswer::Cancel))
            return MessageAnswer::Cancel;
        return answers.size() == 1 ? answers.front() : answers.back();
    }
}

std::optional<QString> QtDialogs::input(const InputRequest& request)
{
    bool ok = false;
    const ReturnFocus owner;
    const QString text = QInputDialog::getText(owner.window(), titleOr(request.title),
                                               request.prompt, request.secret ? QLineEdit::Password : QLineEdit::Normal,
                                               request.defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtDialogs::file(const FileRequest& request)
{
    const ReturnFocus owner;
    if (request.mode == FileRequest::Mode::Folder) {
        const QString folder =
            QFileDialog::getExistingDirectory(owner.window(), titleOr(request.title), request.folder);
        if (folder.isEmpty())
            return std::nullopt;
        return folder;
    }
    const QString start = request.fileName.isEmpty()
                              ? request.folder
                              : request.folder.isEmpty() ? request.fileName
                                                         : request.folder + '/' + request.fileName;
    const QString chosen =
        request.mode == FileRequest::Mode::Open
            ? QFileDialog::getOpenFileName(owner.window(), titleOr(request.title),
                                           start, request.filter)
            : QFileDialog::getSaveFileName(owner.window(), titleOr(request.title),
                                           start, request.filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

} // namespace pellam

namespace pellam {

bool QtDialogs::printer(PrinterRequest& request)
{
    QPrinter fallback;
    QPrinter* target = request.printer ? request.printer : &fallback;
    target->setCopyCount(std::max(1, request.copies));
    const ReturnFocus owner;
    QPrintDialog dialog(target, owner.window());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    request.copies = target->copyCount();
    return true;
}

} // namespace pellam
