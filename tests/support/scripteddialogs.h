#pragma once

#include "platform/dialogs.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>

#include <deque>
#include <optional>
#include <utility>

namespace weftara::testing {

// Dialogs that never open a window: messages are recorded in order, and the
// font, colour and save questions are answered from queues filled by the
// test (an empty queue answers "cancelled").
class ScriptedDialogs final : public platform::Dialogs
{
public:
    void message(const QString &text) override;
    bool ask(const QString &question) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    std::optional<platform::SaveChoice> chooseSaveFile(const QString &title, const QStringList &filters) override;
    // A report that records its texts and stops the work when told to.
    std::unique_ptr<platform::Progress> startProgress(const QString &text) override;

    // Whether the next progress reports ask to stop the work.
    void setCancelProgress(bool cancel) { m_cancelProgress = cancel; }
    // The texts of the progress reports started so far.
    const QStringList &progressTexts() const { return m_progressTexts; }

    // The next answers; nullopt stands for the user cancelling.
    void queueAnswer(bool yes) { m_answers.push_back(yes); }
    void queueFont(std::optional<QFont> answer) { m_fonts.push_back(std::move(answer)); }
    void queueColor(std::optional<QColor> answer) { m_colors.push_back(std::move(answer)); }
    void queueSaveFile(std::optional<platform::SaveChoice> answer) { m_saveFiles.push_back(std::move(answer)); }

    // Every message shown so far, oldest first.
    const QStringList &messages() const { return m_messages; }
    // Every question asked so far (unanswered ones are answered "no").
    const QStringList &questions() const { return m_questions; }
    void clearMessages() { m_messages.clear(); }

    // What each dialog was opened on, oldest first.
    const QList<QFont> &fontRequests() const { return m_fontRequests; }
    const QList<QColor> &colorRequests() const { return m_colorRequests; }
    // The save dialogs' titles and filters.
    const QList<QPair<QString, QStringList>> &saveRequests() const { return m_saveRequests; }

private:
    QStringList m_messages;
    QStringList m_questions;
    std::deque<bool> m_answers;
    QStringList m_progressTexts;
    bool m_cancelProgress = false;
    std::deque<std::optional<QFont>> m_fonts;
    std::deque<std::optional<QColor>> m_colors;
    std::deque<std::optional<platform::SaveChoice>> m_saveFiles;
    QList<QFont> m_fontRequests;
    QList<QColor> m_colorRequests;
    QList<QPair<QString, QStringList>> m_saveRequests;
};

} // namespace weftara::testing
