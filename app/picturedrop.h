#pragma once

#include "workspace/workspace.h"

#include <QString>

#include <optional>

class QMimeData;

namespace weftara::app {

// What a picture dropped on the window becomes.
enum class DropTarget { Base, Pattern };

// The base tabs ("元絵集", "元絵") take a base picture, the pattern tabs
// ("柄絵集", "柄絵") a pattern picture; the woven tab takes none.
std::optional<DropTarget> dropTargetOf(workspace::Tab tab);

// The one local picture file a drag carries; nullopt for anything else:
// several files, text, a remote address, a file that is no picture.
std::optional<QString> droppedPicture(const QMimeData &data);

} // namespace weftara::app
