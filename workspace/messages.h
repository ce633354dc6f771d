#pragma once

#include <QString>

namespace weftara::workspace {

// The workspace's messages, each shown in a box with an OK button.
inline QString selectBaseMessage()
{
    return QStringLiteral("元絵を選択してくださいね。");
}

inline QString selectPatternMessage()
{
    return QStringLiteral("柄絵を選択してくださいね。");
}

} // namespace weftara::workspace
