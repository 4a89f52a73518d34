#include "ui/settings/PrintSettingsDialog.h"

#include "core/language/Languages.h"
#include "core/stock/PreferencesStore.h"
#include "core/stock/StockDocument.h"
#include "reports/engine/ReportPage.h"
#include "ui/common/Prompts.h"
#include "ui/common/UndoShortcuts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QComboBox* listOf(QWidget* parent, const char* name, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(items);
    return combo;
}

QLabel* labelFor(QWidget* buddy, const QString& text)
{
    auto* label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// The languages in their own names, after a first entry for "none chosen".
QComboBox* languageList(QWidget* parent, const char* name, const QString& unchosen)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItem(unchosen, QString());
    for (const Language& language : Languages::available())
        combo->addItem(language.nativeName, language.code);
    return combo;
}

void selectLanguage(QComboBox* combo, const QString& code)
{
    combo->setCurrentIndex(qMax(0, combo->findData(Languages::isAvailable(code) ? code : QString())));
}

} // namespace

PrintSettingsDialog::PrintSettingsDialog(StockDocument& stock, PreferencesStore& preferences, QWidget* parent)
    : QDialog(parent), m_stock(stock), m_preferences(preferences)
{
    setObjectName(QStringLiteral("PrintSettingsDialog"));
    setWindowTitle(tr("Einstellungen für den Druck"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildCertificateGroup());
    layout->addWidget(buildStockListLayout());
    buildColourRows();
    m_breeding = checkBox(this, "breedingBox", tr("Nachwuchsverwaltung anzeigen"));
    layout->addWidget(m_breeding);
    layout->addWidget(buildAdditions());
    layout->addWidget(buildLanguages());
    connectControls();
    connect(this, &QDialog::finished, this, &PrintSettingsDialog::clearSelectionRequested);
    new UndoShortcuts(m_stock, this, [this] { loadSettings(); });
    setFixedSize(sizeHint().expandedTo(QSize(370, 0)));
}

QWidget* PrintSettingsDialog::buildCertificateGroup()
{
    auto* group = new QGroupBox(tr("Druck des Abstammungsnachweises:"), this);
    auto* groupLayout = new QVBoxLayout(group);
    m_printYear = checkBox(group, "printYearBox", tr("Jahrgang auf Abstammungs-Nachweis drucken"));
    m_prefixes = checkBox(group, "prefixesBox", tr("Prefixe anzeigen (\"Züchter:\", \"Farbe:\", ...)"));
    m_topRight = listOf(group, "topRightChoice",
                        {tr("\"Verkauft an:\" + eingegebenen Text anzeigen"),
                         tr("Bild des Vogels anzeigen (sofern vorhanden)"),
                         tr("Freien Text anzeigen (ohne \"Verkauft an:\")")});
    m_outer = listOf(group, "outerGenerationsChoice",
                     {tr("Rasse bei UGE und Züchter bei UUGE"), tr("Bemerkungen bei UGE und UUGE")});
    m_fontSize = new QSpinBox(group);
    m_fontSize->setObjectName(QStringLiteral("fontSizeSpin"));
    m_fontSize->setRange(4, 10);
    m_fontSize->setValue(m_preferences.certificate().detailFontSize);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(labelFor(m_fontSize, tr("Schriftgröße:")));
    fontRow->addWidget(m_fontSize);
    fontRow->addStretch();
    groupLayout->addWidget(m_printYear);
    groupLayout->addWidget(m_prefixes);
    groupLayout->addWidget(labelFor(m_topRight, tr("Oben rechts anzeigen:")));
    groupLayout->addWidget(m_topRight);
    groupLayout->addWidget(labelFor(m_outer, tr("Bei den Urgroßeltern (UGE) und Ururgroßeltern (UUGE)\nanzeigen:")));
    groupLayout->addWidget(m_outer);
    groupLayout->addLayout(fontRow);
    return group;
}

QWidget* PrintSettingsDialog::buildStockListLayout()
{
    auto* row = new QWidget(this);
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_layout = listOf(row, "stockListLayoutChoice",
                      {tr("Zweizeilig (mehr Informationen)"), tr("Einzeilig (übersichtlicher, da kompakter)")});
    layout->addWidget(labelFor(m_layout, tr("Layout Kanarienvögelbestandsliste:")));
    layout->addWidget(m_layout);
    return row;
}

void PrintSettingsDialog::buildColourRows()
{
    auto* colours = new QFormLayout;
    const std::tuple<const char*, QString, quint32 PrintSettings::*> swatches[] = {
        {"headerColourSwatch", tr("Farbe für den Kopf:"), &PrintSettings::headerColour},
        {"maleColourSwatch", tr("Farbe für männlich:"), &PrintSettings::maleColour},
        {"femaleColourSwatch", tr("Farbe für weiblich:"), &PrintSettings::femaleColour},
    };
    for (const auto& [name, label, colour] : swatches) {
        QPushButton* swatch = colourSwatch(name, label, colour);
        colours->addRow(labelFor(swatch, label), swatch);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(colours);
}

QWidget* PrintSettingsDialog::buildAdditions()
{
    // Kept outside the stock file, so its format stays as it is.
    auto* additions = new QGroupBox(tr("Zusätzlich auf dem Abstammungsnachweis:"), this);
    auto* layout = new QVBoxLayout(additions);
    m_inbreeding = checkBox(additions, "inbreedingBox", tr("Inzuchtkoeffizient auf dem Abstammungsnachweis"));
    m_marks = checkBox(additions, "repeatMarksBox", tr("Mehrfach vorkommende Ahnen markieren"));
    m_bestShowResult = checkBox(additions, "bestShowResultBox", tr("Bestes Ausstellungsergebnis auf dem Stammblatt"));
    layout->addWidget(m_inbreeding);
    layout->addWidget(m_marks);
    layout->addWidget(m_bestShowResult);
    return additions;
}

QWidget* PrintSettingsDialog::buildLanguages()
{
    auto* group = new QGroupBox(tr("Sprache"), this);
    auto* form = new QFormLayout(group);
    QString system;
    for (const Language& language : Languages::available()) {
        if (language.code == Languages::fromSystem())
            system = language.nativeName;
    }
    m_programLanguage = languageList(group, "programLanguageChoice", tr("wie das System (%1)").arg(system));
    m_programLanguage->setToolTip(tr("Die Sprache der Fenster gilt ab dem nächsten Start."));
    form->addRow(labelFor(m_programLanguage, tr("Sprache des Programms (ab dem nächsten Start):")), m_programLanguage);
    m_printLanguage = languageList(group, "printLanguageChoice", tr("wie das Programm"));
    m_printLanguage->setToolTip(
        tr("Abstammungsnachweis, Stammblatt, Bestandsliste und Zuchtpaarblatt in dieser Sprache, etwa für einen "
           "Käufer im Ausland."));
    form->addRow(labelFor(m_printLanguage, tr("Sprache der Ausdrucke:")), m_printLanguage);
    return group;
}

void PrintSettingsDialog::connectControls()
{
    connect(m_printYear, &QCheckBox::toggled, this,
            [this](bool on) { update([on](PrintSettings& s) { s.printBirthYear = on; }); });
    connect(m_prefixes, &QCheckBox::toggled, this,
            [this](bool on) { update([on](PrintSettings& s) { s.showPrefixes = on; }); });
    connect(m_breeding, &QCheckBox::toggled, this,
            [this](bool on) { update([on](PrintSettings& s) { s.showBreeding = on; }); });
    connect(m_layout, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            update([index](PrintSettings& s) { s.stockListLayout = static_cast<StockListLayout>(index); });
    });
    connect(m_topRight, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            update([index](PrintSettings& s) { s.topRightContent = static_cast<TopRightContent>(index); });
    });
    for (QCheckBox* box : {m_inbreeding, m_marks, m_bestShowResult})
        connect(box, &QCheckBox::toggled, this, &PrintSettingsDialog::updateCertificate);
    connect(m_outer, &QComboBox::currentIndexChanged, this, &PrintSettingsDialog::updateCertificate);
    connect(m_fontSize, &QSpinBox::valueChanged, this, &PrintSettingsDialog::updateCertificate);
    connect(m_printLanguage, &QComboBox::currentIndexChanged, this, &PrintSettingsDialog::updateCertificate);
    connect(m_programLanguage, &QComboBox::currentIndexChanged, this,
            [this] { m_preferences.setLanguage(m_programLanguage->currentData().toString()); });
}

QPushButton* PrintSettingsDialog::colourSwatch(const char* name, const QString& label, quint32 PrintSettings::*colour)
{
    auto* swatch = new QPushButton(this);
    swatch->setObjectName(QString::fromLatin1(name));
    swatch->setFixedSize(20, 20);
    swatch->setAccessibleName(label);
    connect(swatch, &QPushButton::clicked, this, [this, swatch, colour] {
        const std::optional<QColor> chosen
            = Prompts::current().chooseColour(this, storedColour(m_stock.printSettings().*colour));
        if (!chosen)
            return;
        update([&](PrintSettings& s) { s.*colour = colourToStored(*chosen); });
        paintSwatch(swatch, m_stock.printSettings().*colour);
    });
    m_swatches.append({swatch, colour});
    return swatch;
}

void PrintSettingsDialog::paintSwatch(QPushButton* swatch, quint32 colour)
{
    swatch->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid black;").arg(storedColour(colour).name()));
}

void PrintSettingsDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        loadSettings();
    QDialog::showEvent(event);
}

void PrintSettingsDialog::loadSettings()
{
    // Showing the stored values must not store anything.
    const QSignalBlocker blockers[]
        = {QSignalBlocker(m_printYear),      QSignalBlocker(m_prefixes),        QSignalBlocker(m_breeding),
           QSignalBlocker(m_topRight),       QSignalBlocker(m_layout),          QSignalBlocker(m_outer),
           QSignalBlocker(m_fontSize),       QSignalBlocker(m_inbreeding),      QSignalBlocker(m_marks),
           QSignalBlocker(m_bestShowResult), QSignalBlocker(m_programLanguage), QSignalBlocker(m_printLanguage)};
    const PrintSettings& settings = m_stock.printSettings();
    m_printYear->setChecked(settings.printBirthYear != 0);
    m_prefixes->setChecked(settings.showPrefixes != 0);
    m_breeding->setChecked(settings.showBreeding != 0);
    const auto index = [](auto code, int count) {
        const auto value = static_cast<qint32>(code);
        return value >= 0 && value < count ? int(value) : -1;
    };
    m_topRight->setCurrentIndex(index(settings.topRightContent, 3));
    m_layout->setCurrentIndex(index(settings.stockListLayout, 2));
    const CertificatePreferences& certificate = m_preferences.certificate();
    m_outer->setCurrentIndex(int(certificate.outerGenerations));
    m_fontSize->setValue(certificate.detailFontSize);
    m_inbreeding->setChecked(certificate.showInbreeding);
    m_marks->setChecked(certificate.markRepeatedAncestors);
    m_bestShowResult->setChecked(certificate.bestShowResultOnRecordSheet);
    selectLanguage(m_printLanguage, certificate.printLanguage);
    selectLanguage(m_programLanguage, m_preferences.values().language);
    for (const auto& [swatch, colour] : std::as_const(m_swatches))
        paintSwatch(swatch, settings.*colour);
}

void PrintSettingsDialog::update(const std::function<void(PrintSettings&)>& change)
{
    PrintSettings settings = m_stock.printSettings();
    change(settings);
    m_stock.setPrintSettings(settings);
}

void PrintSettingsDialog::updateCertificate()
{
    CertificatePreferences certificate = m_preferences.certificate();
    certificate.showInbreeding = m_inbreeding->isChecked();
    certificate.markRepeatedAncestors = m_marks->isChecked();
    certificate.bestShowResultOnRecordSheet = m_bestShowResult->isChecked();
    certificate.outerGenerations = static_cast<OuterGenerationsContent>(qMax(0, m_outer->currentIndex()));
    certificate.detailFontSize = m_fontSize->value();
    certificate.printLanguage = m_printLanguage->currentData().toString();
    m_preferences.setCertificate(certificate);
}
