#include "support/ScriptedPrompts.h"

ScriptedPrompts::ScriptedPrompts()
{
    Prompts::install(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    Prompts::install(nullptr);
}

QString ScriptedPrompts::openPicture(QWidget*, const QString& filter)
{
    askedFilters << filter;
    return pictures.isEmpty() ? QString() : pictures.takeFirst();
}

QString ScriptedPrompts::openFileName(QWidget*, const QString& title, const QString& filter)
{
    askedTitles << title;
    askedFilters << filter;
    return openedFiles.isEmpty() ? QString() : openedFiles.takeFirst();
}

QString ScriptedPrompts::saveFileName(QWidget*, const QString& title, const QString& proposedPath,
                                      const QString& filter, const QString&)
{
    askedTitles << title;
    askedFilters << filter;
    proposedPaths << proposedPath;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

std::optional<QColor> ScriptedPrompts::chooseColour(QWidget*, const QColor&)
{
    return colours.isEmpty() ? std::nullopt : colours.takeFirst();
}

void ScriptedPrompts::openFolder(const QString& path)
{
    openedFolders << path;
}
