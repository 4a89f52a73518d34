#pragma once

#include "core/model/PrintSettings.h"

#include <QGroupBox>

#include <functional>
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
    // Where the buyer of a bird comes from (name and address lines; empty for none): it is
    // offered in the buyer text when the bird is chosen.
    void setBuyerLookup(std::function<QStringList(const QString& ring)> lookup) { m_buyerOf = std::move(lookup); }

signals:
    void settingsRequested();

private:
    void offerBuyer();

    CertificateCommands& m_commands;
    std::function<QStringList(const QString&)> m_buyerOf;
    TopRightContent m_topRight = TopRightContent::BuyerText;
    QString m_offered; // the buyer text last offered, replaced by the next offer; typed text is kept
    QComboBox* m_selector = nullptr;
    QLabel* m_buyerLabel = nullptr;
    QPlainTextEdit* m_buyerText = nullptr;
};
