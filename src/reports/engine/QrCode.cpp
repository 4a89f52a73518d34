#include "reports/engine/QrCode.h"

#include <qrencode.h>

#include <memory>

std::optional<QrCode> QrCode::encode(const QByteArray& data)
{
    if (data.isEmpty())
        return std::nullopt;
    // Version 0: the smallest symbol the data fits.
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(int(data.size()), reinterpret_cast<const unsigned char*>(data.constData()), 0, QR_ECLEVEL_M),
        &QRcode_free);
    if (!code)
        return std::nullopt;
    QrCode result;
    result.size = code->width;
    result.dark.resize(size_t(code->width) * size_t(code->width));
    for (size_t i = 0; i < result.dark.size(); ++i)
        result.dark[i] = (code->data[i] & 1) != 0; // the lowest bit is the module's colour
    return result;
}
