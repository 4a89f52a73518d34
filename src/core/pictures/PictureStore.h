#pragma once

#include "core/files/FolderCopy.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The animals' pictures: one file per animal in the picture folder, named
// after its ring number (made safe as a file name) with ".jpg". Every
// operation checks its result; a failure comes back as a German sentence
// that names the picture, success as an empty text. Only the stock document
// holds a store it may change; everyone else reads through a const one.
class PictureStore
{
public:
    explicit PictureStore(QString dataFolder); // ends with '/'

    QString folder() const; // ends with '/'
    QString pathOf(const QString& ring) const;
    bool exists(const QString& ring) const;

    // Makes the picture folder if it is missing.
    QString makeFolder();
    // Copies source byte for byte over the ring's picture; the old picture
    // stays whole when the copy fails.
    QString copyIn(const QString& source, const QString& ring);
    // Gives the picture of oldRing the name of newRing. Nothing to move is no
    // failure; a picture already under the new name is never replaced.
    QString rename(const QString& oldRing, const QString& newRing);
    // Deletes the ring's picture if there is one.
    QString remove(const QString& ring);
    // Makes the picture folder a copy of `source`, moving the folder as it
    // was to `keepOldAs`; a failed or cancelled copy changes nothing.
    FolderCopy replaceAll(const QString& source, const QString& keepOldAs, const CopyProgress& progress);
    // The picture's bytes as they are on the disk, or nothing when the ring has none.
    std::optional<QByteArray> bytesOf(const QString& ring) const;
    // Makes the ring's picture exactly these bytes (written whole before it
    // replaces the old one), or removes it when there are none.
    QString put(const QString& ring, const std::optional<QByteArray>& bytes);
    // Deletes the picture folder with every picture in it.
    void removeAll();

private:
    QString m_dataFolder;
};
