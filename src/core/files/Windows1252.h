#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The stock and pair files hold one Windows-1252 byte per character.
namespace Windows1252 {

QString decode(const char* bytes, qsizetype size);

// A character without a Windows-1252 byte becomes '?'. One output byte per
// code point, so cutting the result to n bytes cuts the text to n characters.
QByteArray encode(const QString& text);

// The code page's byte for this character, if it has one.
std::optional<char> byteOf(char32_t codePoint);

// Encodes at most capacity characters into out; returns the bytes written.
qsizetype encodeInto(const QString& text, char* out, qsizetype capacity);

} // namespace Windows1252
