#pragma once

namespace weftara::collections {

// What the folder panel is opened to set.
enum class FolderMode {
    None = 0,    // not opened yet
    Base = 1,    // the base collection's folder, "元絵のパスの設定"
    Pattern = 2, // the pattern collection's folder, "柄絵のパスの設定"
};

} // namespace weftara::collections
