#include "heif/heifreader.h"

#include "heif/heifderived.h"
#include "platform/filenames.h"
#include "platform/picturememory.h"

#include <QColorSpace>
#include <QFile>
#include <QPointF>

#include <algorithm>
#include <cstring>
#include <vector>

namespace weftara::heif {

namespace {

bool ok(const heif_error &error)
{
    return error.code == heif_error_Ok;
}

// libheif registers its codecs on first use; doing it once up front keeps
// the collection's decoding threads from racing over that.
void initialise()
{
    static const bool initialised = ok(heif_init(nullptr));
    (void)initialised;
}

QColorSpace iccColorSpace(const heif_image_handle *handle)
{
    const size_t size = heif_image_handle_get_raw_color_profile_size(handle);
    if (size == 0 || size > (16u << 20))
        return {};
    QByteArray icc(qsizetype(size), Qt::Uninitialized);
    if (!ok(heif_image_handle_get_raw_color_profile(handle, icc.data())))
        return {};
    return QColorSpace::fromIccProfile(icc);
}

// The colour space of video-style colour codes. Curves without a faithful
// counterpart here (HDR's PQ and HLG) give none, so the values stay as they are.
QColorSpace nclxColorSpace(const heif_image_handle *handle)
{
    heif_color_profile_nclx *nclx = nullptr;
    const heif_error error = heif_image_handle_get_nclx_color_profile(handle, &nclx);
    // libheif hands out the profile also when it reports a code it does not
    // know; it is ours to free either way.
    const Owned<heif_color_profile_nclx, heif_nclx_color_profile_free> owner(nclx);
    if (!ok(error) || nclx == nullptr)
        return {};

    using Transfer = QColorSpace::TransferFunction;
    Transfer transfer = Transfer::SRgb;
    float gamma = 0.0f;
    switch (nclx->transfer_characteristics) {
    case heif_transfer_characteristic_IEC_61966_2_1:
    case heif_transfer_characteristic_unspecified:
    // Video curves are shown through the sRGB curve, as other viewers do.
    case heif_transfer_characteristic_ITU_R_BT_709_5:
    case heif_transfer_characteristic_ITU_R_BT_601_6:
    case heif_transfer_characteristic_ITU_R_BT_2020_2_10bit:
    case heif_transfer_characteristic_ITU_R_BT_2020_2_12bit:
        break;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_M:
        transfer = Transfer::Gamma;
        gamma = 2.2f;
        break;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G:
        transfer = Transfer::Gamma;
        gamma = 2.8f;
        break;
    case heif_transfer_characteristic_linear:
        transfer = Transfer::Linear;
        break;
    default:
        return {};
    }

    switch (nclx->color_primaries) {
    case heif_color_primaries_ITU_R_BT_709_5:
    case heif_color_primaries_unspecified:
        return QColorSpace(QColorSpace::Primaries::SRgb, transfer, gamma);
    case heif_color_primaries_SMPTE_EG_432_1:
        return QColorSpace(QColorSpace::Primaries::DciP3D65, transfer, gamma);
    default:
        return QColorSpace(QPointF(nclx->color_primary_white_x, nclx->color_primary_white_y),
                           QPointF(nclx->color_primary_red_x, nclx->color_primary_red_y),
                           QPointF(nclx->color_primary_green_x, nclx->color_primary_green_y),
                           QPointF(nclx->color_primary_blue_x, nclx->color_primary_blue_y), transfer, gamma);
    }
}

// An ICC profile wins over colour codes, as in libheif's own choice.
QColorSpace colorSpaceOf(const heif_image_handle *handle)
{
    const QColorSpace icc = iccColorSpace(handle);
    return icc.isValid() ? icc : nclxColorSpace(handle);
}

} // namespace

bool isHeif(QByteArrayView head)
{
    if (head.size() < 12)
        return false;
    const char *mime =
        heif_get_file_mime_type(reinterpret_cast<const uint8_t *>(head.data()), int(head.size()));
    const QByteArrayView type(mime != nullptr ? mime : "");
    return type.startsWith("image/hei") || type.startsWith("image/avif");
}

HeifReader::HeifReader(const QString &path)
{
    initialise();
    QFile file;
    if (!platform::openForReading(file, path))
        return;
    m_file = file.readAll();
    m_context.reset(heif_context_alloc());
    heif_image_handle *primary = nullptr;
    if (!m_context
        || !ok(heif_context_read_from_memory_without_copy(m_context.get(), m_file.constData(),
                                                           std::size_t(m_file.size()), nullptr))
        || !ok(heif_context_get_primary_image_handle(m_context.get(), &primary)))
        return;
    m_primary.reset(primary);
}

HeifReader::~HeifReader() = default;

QSize HeifReader::size() const
{
    if (!m_primary)
        return {};
    return {heif_image_handle_get_width(m_primary.get()), heif_image_handle_get_height(m_primary.get())};
}

HeifReader::Item HeifReader::thumbnailOfAtLeast(QSize enough) const
{
    if (!enough.isValid())
        return {};
    const int count = heif_image_handle_get_number_of_thumbnails(m_primary.get());
    if (count <= 0)
        return {};
    std::vector<heif_item_id> ids(static_cast<std::size_t>(count));
    const int listed =
        std::min(count, heif_image_handle_get_list_of_thumbnail_IDs(m_primary.get(), ids.data(), count));
    Item smallest;
    qint64 smallestArea = 0;
    for (int i = 0; i < listed; ++i) {
        heif_image_handle *found = nullptr;
        if (!ok(heif_image_handle_get_thumbnail(m_primary.get(), ids[std::size_t(i)], &found)))
            continue;
        Handle thumbnail(found);
        const int width = heif_image_handle_get_width(found);
        const int height = heif_image_handle_get_height(found);
        const qint64 area = qint64(width) * height;
        // A thumbnail larger than the picture is no thumbnail.
        const bool fits = area <= qint64(size().width()) * size().height() && platform::pictureFits({width, height});
        if (fits && width >= enough.width() && height >= enough.height() && (!smallest.handle || area < smallestArea)) {
            smallest = {std::move(thumbnail), ids[std::size_t(i)]};
            smallestArea = area;
        }
    }
    return smallest;
}

QImage HeifReader::read(QSize enough) const
{
    // A picture that does not state its size cannot be checked against the
    // picture limit; libheif would decode whatever size the stream holds.
    if (!m_primary || size().isEmpty())
        return {};
    const Item thumbnail = thumbnailOfAtLeast(enough);
    heif_image_handle *handle = thumbnail.handle ? thumbnail.handle.get() : m_primary.get();
    heif_item_id id = thumbnail.id;
    if (!thumbnail.handle && !ok(heif_context_get_primary_image_ID(m_context.get(), &id)))
        return {};
    // A grid or overlay is made at its own canvas size: one larger than the
    // picture it makes up, or than any picture may be, is refused (libheif's
    // own files may state the two turned, which is fine).
    const std::optional<std::vector<DerivedPicture>> derived = derivedPictures(m_file);
    if (!derived)
        return {};
    const qint64 stated = qint64(heif_image_handle_get_ispe_width(handle)) * heif_image_handle_get_ispe_height(handle);
    for (const DerivedPicture &picture : *derived) {
        if (!platform::pictureFits(picture.size)
            || (picture.item == id && qint64(picture.size.width()) * picture.size.height() > stated))
            return {};
    }

    const bool alpha = heif_image_handle_has_alpha_channel(handle) != 0;
    const Owned<heif_decoding_options, heif_decoding_options_free> options(heif_decoding_options_alloc());
    if (!options)
        return {};
    options->convert_hdr_to_8bit = 1;
    heif_image *decoded = nullptr;
    if (!ok(heif_decode_image(handle, &decoded, heif_colorspace_RGB,
                              alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get())))
        return {};
    const Owned<heif_image, heif_image_release> owner(decoded);

    int stride = 0;
    const uint8_t *plane = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    const int bytesPerPixel = alpha ? 4 : 3;
    if (plane == nullptr || width <= 0 || height <= 0 || qint64(stride) < qint64(width) * bytesPerPixel)
        return {};
    const QImage::Format format = !alpha ? QImage::Format_RGB888
        : heif_image_is_premultiplied_alpha(decoded) ? QImage::Format_RGBA8888_Premultiplied
                                                    : QImage::Format_RGBA8888;
    QImage image(width, height, format);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), plane + qsizetype(y) * stride, std::size_t(width) * bytesPerPixel);

    QColorSpace space = colorSpaceOf(handle);
    if (!space.isValid() && handle != m_primary.get())
        space = colorSpaceOf(m_primary.get());
    image.setColorSpace(space);
    return image;
}

} // namespace weftara::heif
