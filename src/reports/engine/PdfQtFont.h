#pragma once

#include <QByteArray>
#include <QFont>

#include <optional>
#include <vector>

// A face's glyphs as Qt's PDF writer embeds them: Qt traces each glyph anew,
// so a page shows exactly the outlines it always showed. Qt numbers the
// glyphs of its font in the order they are drawn, from 1 (0 is the missing
// glyph): `glyphs[i]` of the face is glyph i + 1 of the embedded font.
struct PdfQtFont
{
    QByteArray fontFile; // the FontFile2 stream as Qt wrote it, compressed
    qint64 length = 0; // its length uncompressed
};

// `font` shows the face. Nothing when the face does not load or Qt's file is not of the form it writes.
std::optional<PdfQtFont> qtEmbeddedFont(const QFont& font, const std::vector<unsigned>& glyphs);
