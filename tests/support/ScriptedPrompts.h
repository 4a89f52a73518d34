#pragma once

#include "ui/common/Prompts.h"

#include <QList>
#include <QStringList>

// Answers every chooser from queues and records what was asked. Installs
// itself for its lifetime.
class ScriptedPrompts : public Prompts
{
public:
    ScriptedPrompts();
    ~ScriptedPrompts() override;

    QString openPicture(QWidget* parent, const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& proposedPath, const QString& filter,
                         const QString& defaultSuffix) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
    void openFolder(const QString& path) override;

    QStringList pictures; // answers of openPicture, in order; empty = cancelled
    QStringList fileNames; // answers of saveFileName
    QStringList openedFiles; // answers of openFileName
    QList<std::optional<QColor>> colours;
    QStringList openedFolders;
    QStringList askedFilters;
    QStringList askedTitles;
    QStringList proposedPaths;
};
