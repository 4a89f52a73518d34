#include "reports/engine/PictureDecoder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

struct JpegError
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onJpegError(j_common_ptr info)
{
    auto* error = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

void ignoreJpegMessage(j_common_ptr, int) { }

bool looksLikeJpeg(const QByteArray& bytes)
{
    return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF
        && static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF;
}

// Everything that lives across setjmp is kept outside the function that calls it.
struct JpegJob
{
    jpeg_decompress_struct info {};
    JpegError error {};
    QImage image;
    std::vector<uchar> cmykRow;
};

bool runJpeg(JpegJob& job, const QByteArray& bytes)
{
    job.info.err = jpeg_std_error(&job.error.manager);
    job.error.manager.error_exit = onJpegError;
    job.error.manager.emit_message = ignoreJpegMessage;
    if (setjmp(job.error.jump)) {
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    jpeg_create_decompress(&job.info);
    jpeg_mem_src(&job.info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&job.info, TRUE);
    const bool cmyk = job.info.jpeg_color_space == JCS_CMYK || job.info.jpeg_color_space == JCS_YCCK;
    job.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    // Pictures far larger than any box are decoded at a fraction of their size.
    const JDIMENSION largest = qMax(job.info.image_width, job.info.image_height);
    job.info.scale_num = 1;
    job.info.scale_denom = largest > 8000 ? 8 : largest > 4000 ? 4 : largest > 2000 ? 2 : 1;
    jpeg_start_decompress(&job.info);
    job.image = QImage(int(job.info.output_width), int(job.info.output_height), QImage::Format_RGB888);
    if (job.image.isNull()) {
        std::snprintf(job.error.message, sizeof job.error.message, "Bild zu groß");
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    job.cmykRow.resize(cmyk ? size_t(job.info.output_width) * 4 : 0);
    while (job.info.output_scanline < job.info.output_height) {
        uchar* out = job.image.scanLine(int(job.info.output_scanline));
        JSAMPROW row = cmyk ? job.cmykRow.data() : out;
        jpeg_read_scanlines(&job.info, &row, 1);
        // CMYK pictures come with inverted values (as Adobe writes them).
        for (size_t x = 0; cmyk && x < job.info.output_width; ++x) {
            const uchar* p = &job.cmykRow[x * 4];
            out[x * 3] = uchar(p[0] * p[3] / 255);
            out[x * 3 + 1] = uchar(p[1] * p[3] / 255);
            out[x * 3 + 2] = uchar(p[2] * p[3] / 255);
        }
    }
    jpeg_finish_decompress(&job.info);
    jpeg_destroy_decompress(&job.info);
    return true;
}

QString failure(const QString& name, const QString& detail)
{
    return QCoreApplication::translate("PictureDecoder", "Das Bild „%1“ kann nicht angezeigt werden: %2")
        .arg(QDir::toNativeSeparators(name), detail);
}

} // namespace

DecodedPicture decodePictureBytes(const QByteArray& bytes, const QString& nameForMessages)
{
    DecodedPicture picture;
    if (looksLikeJpeg(bytes)) {
        JpegJob job;
        if (runJpeg(job, bytes)) {
            picture.image = std::move(job.image);
        } else {
            picture.error
                = failure(nameForMessages,
                          QCoreApplication::translate("PictureDecoder", "Die JPEG-Daten sind fehlerhaft (%1).")
                              .arg(QString::fromLocal8Bit(job.error.message)));
        }
        return picture;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(512);
    if (!reader.read(&picture.image) || picture.image.isNull()) {
        picture.image = {};
        picture.error = failure(nameForMessages,
                                QCoreApplication::translate(
                                    "PictureDecoder", "Das Dateiformat ist unbekannt oder die Datei ist beschädigt."));
    }
    return picture;
}

DecodedPicture decodePicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{},
                failure(path, QCoreApplication::translate("PictureDecoder", "Die Datei kann nicht gelesen werden."))};
    return decodePictureBytes(file.readAll(), path);
}
