#include "support/scripteddialogs.h"

namespace weftara::testing {

namespace {

// The next queued answer; "cancelled" when the queue is empty.
template <class Answer>
std::optional<Answer> takeAnswer(std::deque<std::optional<Answer>> &queue)
{
    if (queue.empty())
        return std::nullopt;
    std::optional<Answer> answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

} // namespace

void ScriptedDialogs::message(const QString &text)
{
    m_messages.append(text);
}

bool ScriptedDialogs::ask(const QString &question)
{
    m_questions.append(question);
    if (m_answers.empty())
        return false;
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont &initial)
{
    m_fontRequests.append(initial);
    return takeAnswer(m_fonts);
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor &initial)
{
    m_colorRequests.append(initial);
    return takeAnswer(m_colors);
}

std::optional<platform::SaveChoice> ScriptedDialogs::chooseSaveFile(const QString &title, const QStringList &filters)
{
    m_saveRequests.append({title, filters});
    return takeAnswer(m_saveFiles);
}

namespace {

class ScriptedProgress final : public platform::Progress
{
public:
    explicit ScriptedProgress(bool cancel)
        : m_cancel(cancel)
    {
    }
    bool report(int, int) override { return !m_cancel; }

private:
    bool m_cancel;
};

} // namespace

std::unique_ptr<platform::Progress> ScriptedDialogs::startProgress(const QString &text)
{
    m_progressTexts.append(text);
    return std::make_unique<ScriptedProgress>(m_cancelProgress);
}

} // namespace weftara::testing
