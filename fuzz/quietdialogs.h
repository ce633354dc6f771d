#pragma once

#include "platform/dialogs.h"

// Dialogs for a fuzz run: messages are dropped, every question is cancelled.
class QuietDialogs final : public weftara::platform::Dialogs
{
public:
    void message(const QString &) override {}
    bool ask(const QString &) override { return false; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
    std::optional<weftara::platform::SaveChoice> chooseSaveFile(const QString &, const QStringList &) override { return std::nullopt; }
};
