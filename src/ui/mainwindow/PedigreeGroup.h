#pragma once

#include "core/model/PrintSettings.h"

#include <QGroupBox>

#include <optional>

class CertificateCommands;
class QComboBox;
class QLabel;
class QPlainTextEdit;

// "Abstammungsnachweis:": the animal whose certificate is made, the buyer
// text and the buttons that preview or print its certificate and record sheet.
class PedigreeGroup : public QGroupBox
{
    Q_OBJECT

public:
    PedigreeGroup(CertificateCommands& commands, QWidget* parent = nullptr);

    // Replaces the animals offered; none is selected afterwards.
    void setRings(const QStringList& rings);
    std::optional<QString> selectedRing() const;
    void clearSelection();
    // Selects the last entry with exactly this ring (if any), then previews its certificate.
    void showPedigreeOf(const QString& ring);
    // The caption beside the buyer text follows what the certificate shows top right.
    void setTopRightContent(TopRightContent content);

signals:
    void settingsRequested();

private:
    CertificateCommands& m_commands;
    QComboBox* m_selector = nullptr;
    QLabel* m_buyerLabel = nullptr;
    QPlainTextEdit* m_buyerText = nullptr;
};
