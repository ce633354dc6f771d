#pragma once

#include "platform/desktop.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QUrl>

namespace weftara::testing {

// A desktop that opens and starts nothing: it records what it was asked,
// knows only the programs the test installs, and answers as the test says.
class RecordingDesktop final : public platform::Desktop
{
public:
    bool openUrl(const QUrl &url) override
    {
        m_opened << url;
        return m_opens;
    }
    QString findProgram(const QString &name) override { return m_installed.value(name); }
    bool startProgram(const QString &path) override
    {
        m_started << path;
        return m_starts;
    }

    void install(const QString &name) { m_installed.insert(name, QStringLiteral("/usr/bin/") + name); }
    void setOpens(bool opens) { m_opens = opens; }
    void setStarts(bool starts) { m_starts = starts; }

    const QList<QUrl> &opened() const { return m_opened; }
    const QStringList &started() const { return m_started; }

private:
    QHash<QString, QString> m_installed;
    bool m_opens = true;
    bool m_starts = true;
    QList<QUrl> m_opened;
    QStringList m_started;
};

} // namespace weftara::testing
