#include "app/picturedrop.h"

#include "collections/picturefile.h"

#include <QMimeData>
#include <QUrl>

namespace weftara::app {

std::optional<DropTarget> dropTargetOf(workspace::Tab tab)
{
    switch (tab) {
    case workspace::Tab::BaseCollection:
    case workspace::Tab::Base:
        return DropTarget::Base;
    case workspace::Tab::PatternCollection:
    case workspace::Tab::Pattern:
        return DropTarget::Pattern;
    case workspace::Tab::Woven:
        break;
    }
    return std::nullopt;
}

std::optional<QString> droppedPicture(const QMimeData &data)
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return std::nullopt;
    const QString path = urls.front().toLocalFile();
    if (!collections::looksLikePicture(path))
        return std::nullopt;
    return path;
}

} // namespace weftara::app
