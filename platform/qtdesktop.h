#pragma once

#include "platform/desktop.h"

namespace weftara::platform {

// The real desktop: QDesktopServices opens documents, the search path finds
// programs and QProcess starts them detached.
class QtDesktop final : public Desktop
{
public:
    bool openUrl(const QUrl &url) override;
    QString findProgram(const QString &name) override;
    bool startProgram(const QString &path) override;
};

} // namespace weftara::platform
