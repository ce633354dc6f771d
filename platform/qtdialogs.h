#pragma once

#include "platform/dialogs.h"

#include <QPointer>
#include <QWidget>

namespace weftara::platform {

// The real dialogs, modal over `parent`: a message box titled "Weftara"
// with only an OK button, Qt's font dialog, Qt's colour dialog, Qt's file
// dialog for saving and a progress box.
class QtDialogs final : public Dialogs
{
public:
    explicit QtDialogs(QWidget *parent = nullptr);

    void message(const QString &text) override;
    bool ask(const QString &question) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    // A progress box with a "中止" button, window-modal over the parent,
    // that appears when the work looks like taking more than half a second.
    std::unique_ptr<Progress> startProgress(const QString &text) override;
    std::optional<SaveChoice> chooseSaveFile(const QString &title, const QStringList &filters) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace weftara::platform
