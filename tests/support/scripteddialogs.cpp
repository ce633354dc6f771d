#include "support/scripteddialogs.h"

namespace weftara::testing {

void ScriptedDialogs::message(const QString &text)
{
    m_messages.append(text);
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont &initial)
{
    m_fontRequests.append(initial);
    if (m_fonts.empty())
        return std::nullopt;
    std::optional<QFont> answer = std::move(m_fonts.front());
    m_fonts.pop_front();
    return answer;
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor &initial)
{
    m_colorRequests.append(initial);
    if (m_colors.empty())
        return std::nullopt;
    std::optional<QColor> answer = m_colors.front();
    m_colors.pop_front();
    return answer;
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
