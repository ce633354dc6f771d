#include "heif/heifwriter.h"

#include "heif/heifowned.h"

#include <libheif/heif.h>

#include <QColorSpace>
#include <QFile>

#include <cstring>

namespace weftara::heif {

namespace {

bool ok(const heif_error &error)
{
    return error.code == heif_error_Ok;
}

bool tagColorSpace(heif_image *image, const QColorSpace &space, bool colorCodes)
{
    if (!space.isValid() || space == QColorSpace::SRgb)
        return true;
    if (!colorCodes) {
        const QByteArray icc = space.iccProfile();
        return ok(heif_image_set_raw_color_profile(image, "prof", icc.constData(), std::size_t(icc.size())));
    }
    if (space != QColorSpace::DisplayP3)
        return false;
    const Owned<heif_color_profile_nclx, heif_nclx_color_profile_free> nclx(heif_nclx_color_profile_alloc());
    return nclx && ok(heif_nclx_color_profile_set_color_primaries(nclx.get(), heif_color_primaries_SMPTE_EG_432_1))
        && ok(heif_nclx_color_profile_set_transfer_characteristics(
            nclx.get(), heif_transfer_characteristic_IEC_61966_2_1))
        && ok(heif_nclx_color_profile_set_matrix_coefficients(nclx.get(),
                                                              heif_matrix_coefficients_ITU_R_BT_601_6))
        && ok(heif_image_set_nclx_color_profile(image, nclx.get()));
}

} // namespace

bool writeHeif(const QString &path, const QImage &picture, const HeifWriteOptions &options)
{
    static const bool initialised = ok(heif_init(nullptr));
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    if (!initialised || rgb.isNull())
        return false;
    const Owned<heif_context, heif_context_free> context(heif_context_alloc());
    heif_encoder *encoder = nullptr;
    if (!ok(heif_context_get_encoder_for_format(context.get(), heif_compression_HEVC, &encoder)))
        return false;
    const Owned<heif_encoder, heif_encoder_release> encoderOwner(encoder);
    heif_encoder_set_lossy_quality(encoder, options.quality);
    heif_encoder_set_logging_level(encoder, 0);
    heif_encoder_set_parameter_string(encoder, "preset", "ultrafast");

    heif_image *image = nullptr;
    if (!ok(heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image)))
        return false;
    const Owned<heif_image, heif_image_release> imageOwner(image);
    if (!ok(heif_image_add_plane(image, heif_channel_interleaved, rgb.width(), rgb.height(), 8)))
        return false;
    int stride = 0;
    uint8_t *plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(plane + qsizetype(y) * stride, rgb.constScanLine(y), std::size_t(rgb.width()) * 3);
    if (!tagColorSpace(image, picture.colorSpace(), options.colorCodes))
        return false;

    const Owned<heif_encoding_options, heif_encoding_options_free> encoding(heif_encoding_options_alloc());
    encoding->macOS_compatibility_workaround_no_nclx_profile = options.colorCodes ? 0 : 1;
    encoding->image_orientation = heif_orientation(options.orientation);
    heif_image_handle *handle = nullptr;
    if (!ok(heif_context_encode_image(context.get(), image, encoder, encoding.get(), &handle)))
        return false;
    const Owned<heif_image_handle, heif_image_handle_release> handleOwner(handle);
    if (options.thumbnailSize > 0
        && !ok(heif_context_encode_thumbnail(context.get(), image, handle, encoder, encoding.get(),
                                             options.thumbnailSize, nullptr)))
        return false;
    return ok(heif_context_write_to_file(context.get(), QFile::encodeName(path).constData()));
}

} // namespace weftara::heif
