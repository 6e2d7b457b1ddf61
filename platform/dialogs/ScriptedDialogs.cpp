#include "dialogs/ScriptedDialogs.h"

namespace pellam {

ScriptedDialogs& ScriptedDialogs::answer(MessageAnswer answer)
{
    answers_.push_back(answer);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerInput(std::optional<QString> text)
{
    inputAnswers_.push_back({text.has_value(), text.value_or(QString())});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerFile(std::optional<QString> path)
{
    fileAnswers_.push_back({path.has_value(), path.value_or(QString())});
    return *this;
}

MessageAnswer ScriptedDialogs::message(const MessageRequest& request)
{
    messages_.push_back(request);
    if (!answers_.empty()) {
        const MessageAnswer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    const QList<MessageAnswer> offered = answersOf(request.buttons);
    return offered.value(qBound(0, request.defaultButton, int(offered.size()) - 1));
}

std::optional<QString> ScriptedDialogs::input(const InputRequest& request)
{
    inputs_.push_back(request);
    if (inputAnswers_.empty())
        return request.defaultText;
    return take(inputAnswers_);
}

std::optional<QString> ScriptedDialogs::file(const FileRequest& request)
{
    files_.push_back(request);
    if (fileAnswers_.empty())
        return std::nullopt;
    return take(fileAnswers_);
}

std::optional<QString> ScriptedDialogs::take(std::deque<TextAnswer>& queue)
{
    const TextAnswer a = queue.front();
    queue.pop_front();
    if (!a.given)
        return std::nullopt;
    return a.text;
}

ScriptedDialogs& ScriptedDialogs::answerPrinter(bool accept, int copies)
{
    printerAnswers_.emplace_back(accept, copies);
    return *this;
}

bool ScriptedDialogs::printer(PrinterRequest& request)
{
    ++printerDialogs_;
    if (printerAnswers_.empty())
        return true;
    const auto [accept, copies] = printerAnswers_.front();
    printerAnswers_.pop_front();
    if (accept && copies > 0)
        request.copies = copies;
    return accept;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const auto& m : messages_)
        out << m.text;
    return out;
}

int ScriptedDialogs::pendingAnswers() const
{
    return int(answers_.size() + inputAnswers_.size() + fileAnswers_.size() + printerAnswers_.size());
}

void ScriptedDialogs::clear()
{
    answers_.clear();
    inputAnswers_.clear();
    fileAnswers_.clear();
    messages_.clear();
    inputs_.clear();
    files_.clear();
    printerAnswers_.clear();
    printerDialogs_ = 0;
}

ScriptedDialogsGuard::ScriptedDialogsGuard()
{
    auto scripted = std::make_unique<ScriptedDialogs>();
    scripted_ = scripted.get();
    previous_ = setDialogs(std::move(scripted));
}

ScriptedDialogsGuard::~ScriptedDialogsGuard()
{
    setDialogs(std::move(previous_));
}

} // namespace pellam
