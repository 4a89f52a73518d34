#pragma once

#include <QString>

// How the stock file and the pair file of a data folder replace their old
// versions together, so that a crash or a power cut at any instant leaves
// the complete old pair or the complete new pair:
//
//  1. both new files are written and synced beside their places (".avelor-tmp-new");
//  2. a marker file saying both are complete is put in place: from here on the
//     new pair wins;
//  3. the old stock file moves aside (".avelor-tmp-old"), both new files move
//     into place, the old stock file goes, and last the marker.
//
// What an interrupted save left is made whole from what is on disk: with the
// marker, the new files are moved into place (roll forward); without it, the
// old stock file comes back and the new files go (roll back). Nothing is ever
// deleted that holds the only copy of either pair.
class SaveJournal
{
public:
    explicit SaveJournal(QString folder); // ends with '/'

    // Where the new files are written before they are committed.
    QString newStockPath() const;
    QString newPairPath() const;

    // Puts both new files in place together: an empty text, or the German
    // reason nothing changed (both old files stay; the new ones are removed)
    // or, once committed, why a step failed: then the new pair stays
    // committed and the next recover() finishes it.
    QString commit() const;

    // Brings the folder to the last complete save: an empty text, or the
    // German reason it could not (the files stay as they were; current()
    // still tells where the data lie).
    QString recover() const;

    struct Files
    {
        QString stock;
        QString pairs;
    };
    // Where the stock and the pairs of the last complete save lie now,
    // changing nothing: for a reader beside the program, and for a start that
    // could not recover.
    Files current() const;

    // The marker's file name in the data folder.
    static const QString& markerName();

private:
    struct Marker;
    bool readMarker(Marker& marker) const;
    bool newFilesMatch(const Marker& marker) const;
    QString rollForward() const;
    QString rollBack() const;
    QString stockPath() const;
    QString pairPath() const;
    QString oldStockPath() const;
    QString markerPath() const;

    QString m_folder;
};
