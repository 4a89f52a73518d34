#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

// A QR code's modules, row by row from the top-left corner, without the
// quiet zone of four modules that must stay blank around it.
struct QrCode
{
    int size = 0; // modules per side
    std::vector<bool> dark;

    bool isDark(int x, int y) const { return dark[size_t(y) * size_t(size) + size_t(x)]; }

    // The bytes as 8-bit data with medium error correction (a smudged or
    // scratched card still reads); none when they do not fit a QR code.
    static std::optional<QrCode> encode(const QByteArray& data);
};
