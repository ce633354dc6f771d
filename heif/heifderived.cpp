#include "heif/heifderived.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>

namespace weftara::heif {

namespace {

// Big-endian fields read from a run of bytes; reading past the end turns
// the whole read into a failure.
class Fields
{
public:
    explicit Fields(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_at >= m_bytes.size(); }
    qsizetype at() const { return m_at; }

    quint64 read(int size)
    {
        if (size < 0 || size > 8 || m_at + size > m_bytes.size()) {
            m_ok = false;
            m_at = m_bytes.size();
            return 0;
        }
        quint64 value = 0;
        for (int i = 0; i < size; ++i)
            value = value << 8 | uchar(m_bytes[m_at + i]);
        m_at += size;
        return value;
    }
    QByteArrayView rest() { return take(m_bytes.size() - m_at); }
    QByteArrayView take(qsizetype size)
    {
        if (size < 0 || m_at + size > m_bytes.size()) {
            m_ok = false;
            m_at = m_bytes.size();
            return {};
        }
        const QByteArrayView part = m_bytes.sliced(m_at, size);
        m_at += size;
        return part;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    bool m_ok = true;
};

struct Box
{
    QByteArrayView type;
    QByteArrayView body;
};

// The next box of `fields`; an empty type when there is none.
Box nextBox(Fields &fields)
{
    const qsizetype start = fields.at();
    quint64 size = fields.read(4);
    const QByteArrayView type = fields.take(4);
    if (size == 1)
        size = fields.read(8);
    const qsizetype header = fields.at() - start;
    if (!fields.ok() || (size != 0 && size < quint64(header)))
        return {};
    if (size == 0)
        return {type, fields.rest()};
    // A size past the end of the bytes fails the take, and with it the box.
    const QByteArrayView body = fields.take(size - header > quint64(INT64_MAX) ? -1 : qsizetype(size - header));
    return fields.ok() ? Box{type, body} : Box{};
}

Box findBox(QByteArrayView bytes, QByteArrayView type)
{
    Fields fields(bytes);
    while (!fields.atEnd()) {
        const Box box = nextBox(fields);
        if (box.type.isEmpty())
            break;
        if (box.type == type)
            return box;
    }
    return {};
}

// The grids and overlays the item information lists, with the type of each.
std::vector<std::pair<quint32, QByteArrayView>> derivedItems(QByteArrayView itemInfo)
{
    std::vector<std::pair<quint32, QByteArrayView>> items;
    Fields fields(itemInfo);
    const int version = int(fields.read(1));
    fields.read(3);
    fields.read(version == 0 ? 2 : 4);
    while (fields.ok() && !fields.atEnd()) {
        const Box entry = nextBox(fields);
        if (entry.type.isEmpty())
            break;
        if (entry.type != "infe")
            continue;
        Fields info(entry.body);
        const int entryVersion = int(info.read(1));
        info.read(3);
        if (entryVersion < 2)
            continue;
        const auto id = quint32(info.read(entryVersion == 2 ? 2 : 4));
        info.read(2);
        const QByteArrayView type = info.take(4);
        if (info.ok() && (type == "grid" || type == "iovl"))
            items.emplace_back(id, type);
    }
    return items;
}

struct Location
{
    int method = 0;
    quint64 offset = 0;
    quint64 length = 0; // 0: to the end of the data
};

// Where the item's data starts, in the file (construction method 0) or in
// the idat box (method 1), as libheif finds it: the first entry for the item.
std::optional<Location> itemLocation(QByteArrayView location, quint32 item)
{
    Fields fields(location);
    const int version = int(fields.read(1));
    fields.read(3);
    const int sizes = int(fields.read(1));
    const int offsetSize = sizes >> 4;
    const int lengthSize = sizes & 0xF;
    const int moreSizes = int(fields.read(1));
    const int baseOffsetSize = moreSizes >> 4;
    const int indexSize = version == 1 || version == 2 ? moreSizes & 0xF : 0;
    const quint64 count = fields.read(version < 2 ? 2 : 4);
    for (quint64 i = 0; i < count && fields.ok(); ++i) {
        const quint64 id = fields.read(version < 2 ? 2 : 4);
        const int method = version == 1 || version == 2 ? int(fields.read(2) & 0xF) : 0;
        fields.read(2);
        const quint64 base = fields.read(baseOffsetSize);
        const quint64 extents = fields.read(2);
        Location first;
        for (quint64 e = 0; e < extents && fields.ok(); ++e) {
            fields.read(indexSize);
            const quint64 offset = fields.read(offsetSize);
            const quint64 length = fields.read(lengthSize);
            if (e == 0)
                first = {method, base + offset, length};
        }
        if (!fields.ok())
            return std::nullopt;
        if (id == item)
            return extents > 0 && method <= 1 ? std::optional(first) : std::nullopt;
    }
    return std::nullopt;
}

// The canvas size a grid or overlay descriptor states.
std::optional<QSize> canvasSize(QByteArrayView descriptor, QByteArrayView type)
{
    Fields fields(descriptor);
    fields.read(1);
    const int fieldSize = (fields.read(1) & 1) ? 4 : 2;
    // A grid's row and column counts, or an overlay's four fill values.
    fields.read(type == "grid" ? 2 : 8);
    const quint64 width = fields.read(fieldSize);
    const quint64 height = fields.read(fieldSize);
    if (!fields.ok())
        return std::nullopt;
    // Sizes past the int range cannot be stated by a picture at all.
    return QSize(int(std::min<quint64>(width, INT_MAX)), int(std::min<quint64>(height, INT_MAX)));
}

} // namespace

std::optional<std::vector<DerivedPicture>> derivedPictures(QByteArrayView file)
{
    std::vector<DerivedPicture> pictures;
    const Box meta = findBox(file, "meta");
    if (meta.body.size() < 4)
        return pictures;
    const QByteArrayView children = meta.body.sliced(4);
    for (const auto &[item, type] : derivedItems(findBox(children, "iinf").body)) {
        const std::optional<Location> location = itemLocation(findBox(children, "iloc").body, item);
        if (!location)
            return std::nullopt;
        const QByteArrayView data = location->method == 0 ? file : findBox(children, "idat").body;
        if (location->offset >= quint64(data.size()))
            return std::nullopt;
        QByteArrayView descriptor = data.sliced(qsizetype(location->offset));
        if (location->length > 0 && location->length < quint64(descriptor.size()))
            descriptor.truncate(qsizetype(location->length));
        const std::optional<QSize> size = canvasSize(descriptor, type);
        if (!size)
            return std::nullopt;
        pictures.push_back({item, *size});
    }
    return pictures;
}

} // namespace weftara::heif
