// HEIF decoding through libheif.
#include "platform/Heif.h"

#include <libheif/heif.h>

#include <memory>

#include "platform/PictureRefusal.h"
#include "platform/PictureSize.h"

namespace {
template <typename T, void (*Release)(T*)>
struct Releaser {
  void operator()(T* object) const { Release(object); }
};
using Context = std::unique_ptr<heif_context, Releaser<heif_context, heif_context_free>>;
using Handle = std::unique_ptr<const heif_image_handle, Releaser<const heif_image_handle, heif_image_handle_release>>;
using Image = std::unique_ptr<const heif_image, Releaser<const heif_image, heif_image_release>>;

void Check(const heif_error& error) {
  if (error.code == heif_error_Ok) return;
  if (error.code == heif_error_Unsupported_filetype || error.code == heif_error_Unsupported_feature)
    throw UnsupportedPicture();
  if (error.subcode == heif_suberror_End_of_data) throw IncompletePicture();
  throw DamagedPicture(QString::fromUtf8(error.message));
}
}  // namespace

bool LooksLikeHeif(const QByteArray& head) {
  const heif_filetype_result kind =
      heif_check_filetype(reinterpret_cast<const uint8_t*>(head.constData()), static_cast<int>(head.size()));
  return kind == heif_filetype_yes_supported || kind == heif_filetype_yes_unsupported;
}

QImage DecodeHeif(const QByteArray& bytes) {
  const Context context(heif_context_alloc());
  Check(heif_context_read_from_memory_without_copy(context.get(), bytes.constData(), bytes.size(), nullptr));
  heif_image_handle* primary = nullptr;
  Check(heif_context_get_primary_image_handle(context.get(), &primary));
  const Handle handle(primary);
  const int width = heif_image_handle_get_width(handle.get()), height = heif_image_handle_get_height(handle.get());
  if (!IsPictureSizeAllowed(width, height)) throw TooLargePicture(width, height, kDecodedPictureBounds);
  heif_image* decoded = nullptr;
  // Without decoding options libheif applies the turn and mirror of the file, as its viewer shows it.
  Check(heif_decode_image(handle.get(), &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, nullptr));
  const Image image(decoded);
  int stride = 0;
  const uint8_t* pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
  if (!pixels) throw DamagedPicture("нет точек картинки");
  return QImage(pixels, heif_image_get_width(image.get(), heif_channel_interleaved),
                heif_image_get_height(image.get(), heif_channel_interleaved), stride, QImage::Format_RGBA8888)
      .convertToFormat(QImage::Format_ARGB32);
}
