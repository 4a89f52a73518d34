#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;
struct WriteOutcome;

// Tells the breeder how writing a chosen file went: the success text, or
// why it failed. True when it was written.
bool reportWritten(QWidget* parent, const QString& path, const WriteOutcome& written, const QString& success);

// Asks where to save a file of the type `suffix` (proposed as `fileName` in
// the documents folder), writes what content() gives safely and tells how it
// went. `success` takes the path as %1. False when nothing was written.
bool saveDataFile(QWidget* parent, const QString& title, const QString& fileName, const QString& suffix,
                  const std::function<QByteArray()>& content, const QString& success);

// Asks where to save a CSV file (proposed as `fileName` in the documents
// folder), writes what content() gives safely and tells how it went.
// `success` takes the path as %1. False when nothing was written.
bool saveCsvFile(QWidget* parent, const QString& title, const QString& fileName,
                 const std::function<QByteArray()>& content,
                 const QString& success = QCoreApplication::translate("FileSaving", "Die Datei %1 wurde erstellt."));
