#pragma once

namespace weftara::collections {

// What the folder panel is opened to set (PathSetteiMode).
enum PathMode : int {
    PathModeNone = 0,
    PathModeMotoe = 1, // the base folder, 元絵のパスの設定
    PathModeGarae = 2, // the pattern folder, 柄絵のパスの設定
};

} // namespace weftara::collections
