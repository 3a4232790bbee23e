#include "imaging/jpegpicture.h"

#include <QFile>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// Larger pictures would take gigabytes to show; Qt's readers stop at the same size.
constexpr qint64 MaxPictureBytes = Q_INT64_C(256) * 1024 * 1024;

// libjpeg reports fatal errors through error_exit, which must not return: it
// jumps back to the reading function, which cleans up and reports the text.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

[[noreturn]] void errorExit(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// libjpeg decodes a cut-off file to the end with grey filler and only warns;
// the warning is what tells a damaged file from a whole one.
void emitMessage(j_common_ptr info, int level)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        errors->truncated = true;
}

void outputMessage(j_common_ptr)
{
}

// Reads the header into *size and, when image is given, the pixels into it.
// Nothing with a destructor may live in this frame: error_exit jumps over it.
bool readJpeg(std::FILE *file, QSize *size, QImage *image, PictureError *error)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = errorExit;
    errors.base.emit_message = emitMessage;
    errors.base.output_message = outputMessage;
    errors.truncated = false;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        *error = {PictureError::Kind::Damaged, QString::fromLocal8Bit(errors.message)};
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    *size = QSize(int(info.image_width), int(info.image_height));
    if (!image) {
        jpeg_destroy_decompress(&info);
        return true;
    }
    if (qint64(info.image_width) * info.image_height * 4 > MaxPictureBytes) {
        jpeg_destroy_decompress(&info);
        *error = {PictureError::Kind::TooLarge,
                  QStringLiteral("%1 x %2").arg(size->width()).arg(size->height())};
        return false;
    }

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    const bool gray = info.jpeg_color_space == JCS_GRAYSCALE;
    info.out_color_space = cmyk ? JCS_CMYK : gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    *image = QImage(int(info.output_width), int(info.output_height),
                    gray ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        *error = {PictureError::Kind::OutOfMemory, QString()};
        return false;
    }
    // CMYK rows are read into libjpeg's own pool, which it frees itself.
    JSAMPARRAY cmykRow = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info),
                                                          JPOOL_IMAGE, info.output_width * 4, 1)
                              : nullptr;
    while (info.output_scanline < info.output_height) {
        uchar *line = image->scanLine(int(info.output_scanline));
        JSAMPROW row = cmyk ? cmykRow[0] : line;
        jpeg_read_scanlines(&info, &row, 1);
        if (!cmyk)
            continue;
        // Adobe writes CMYK inverted (255 = no ink), as nearly every CMYK JPEG has.
        const bool inverted = info.saw_Adobe_marker;
        for (JDIMENSION x = 0; x < info.output_width; ++x) {
            const JSAMPLE *p = row + x * 4;
            const int k = inverted ? p[3] : 255 - p[3];
            for (int c = 0; c < 3; ++c)
                line[x * 3 + JDIMENSION(c)] = uchar((inverted ? p[c] : 255 - p[c]) * k / 255);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (errors.truncated) {
        *error = {PictureError::Kind::Incomplete, QString()};
        return false;
    }
    return true;
}

bool readFile(const QString &path, QSize *size, QImage *image, PictureError *error)
{
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file) {
        *error = {PictureError::Kind::Unreadable, QString::fromLocal8Bit(std::strerror(errno))};
        return false;
    }
    const bool ok = readJpeg(file, size, image, error);
    std::fclose(file);
    return ok;
}

} // namespace

namespace JpegPicture {

std::optional<QSize> size(const QString &path, PictureError *error)
{
    QSize size;
    if (!readFile(path, &size, nullptr, error))
        return std::nullopt;
    return size;
}

QImage load(const QString &path, PictureError *error)
{
    QSize size;
    QImage image;
    if (!readFile(path, &size, &image, error))
        return QImage();
    return image;
}

} // namespace JpegPicture
