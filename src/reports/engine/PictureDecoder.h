#pragma once

#include <QImage>
#include <QString>

struct DecodedPicture
{
    QImage image;
    QString error; // German, names the file; empty on success
};

// Decodes an animal's picture: JPEG bytes with libjpeg, anything else (a
// bitmap stored under the .jpg name) with Qt's image readers.
DecodedPicture decodePicture(const QString& path);
DecodedPicture decodePictureBytes(const QByteArray& bytes, const QString& nameForMessages);
