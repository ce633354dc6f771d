#pragma once

#include "platform/dialogs.h"

namespace weftara::batch {

// Nobody is at the screen: messages are kept to be reported with the file
// they belong to, and every question is answered "no" or "cancelled".
class BatchDialogs final : public platform::Dialogs
{
public:
    void message(const QString &text) override { m_messages.append(text); }
    bool ask(const QString &) override { return false; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
    std::optional<platform::SaveChoice> chooseSaveFile(const QString &, const QStringList &) override
    {
        return std::nullopt;
    }

    // The messages since the last take, oldest first; they are forgotten.
    QStringList takeMessages() { return std::exchange(m_messages, {}); }

private:
    QStringList m_messages;
};

} // namespace weftara::batch
