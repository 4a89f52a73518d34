#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

// Every chooser of the program (pictures, file names, colours) goes through
// here, so that tests can give the answers.
class Prompts
{
public:
    virtual ~Prompts() = default;

    // A picture file with a preview; empty when cancelled.
    virtual QString openPicture(QWidget* parent, const QString& filter) = 0;
    // A file to read; empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    // A file name to save under; empty when cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& proposedPath,
                                 const QString& filter, const QString& defaultSuffix)
        = 0;
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
    // Shows a folder in the desktop's file manager.
    virtual void openFolder(const QString& path) = 0;

    static Prompts& current();
    // Replaces the choosers (tests); nullptr restores them.
    static void install(Prompts* prompts);

    // The picture types a breeder may choose: JPEG and bitmaps.
    static QString pictureFilter();
};
