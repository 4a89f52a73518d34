#include "reports/layouts/PedigreeReport.h"

#include "core/analysis/Inbreeding.h"
#include "core/language/TextLanguage.h"
#include "core/model/SpeciesWords.h"
#include "core/records/ShowFigures.h"
#include "reports/engine/PictureDecoder.h"
#include "reports/layouts/RecordSheetReport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>

#include <cmath>

namespace {

constexpr double kGridTop = 44.5;
constexpr double kOutline = 1.4; // about 4 points, on paper and screen alike

struct Column
{
    double x;
    double width;
    double boxHeight;
    double detailsHeight;
};

constexpr Column kColumns[5] = {
    {}, {10.1, 47.6, 118.5, 107.7}, {57.7, 47.6, 59.3, 48.7}, {105.3, 47.6, 29.6, 19.3}, {152.9, 47.9, 14.8, 4.8},
};

QString number(int slot, const char* what)
{
    return QString::fromLatin1(what) + QString::number(slot);
}

TextElement textAt(const QString& name, double x, double y, double pointSize)
{
    return TextElement::autoSized(name, {x, y}, pointSize);
}

QString withPrefix(bool prefixes, const QString& prefix, const QString& text)
{
    return prefixes ? prefix + text : text;
}

} // namespace

PedigreeReport::PedigreeReport()
{
    buildHead();
    buildAncestorBoxes();
    buildFoot();
}

void PedigreeReport::buildHead()
{
    auto& e = m_page.elements;
    RectElement frame;
    frame.name = QStringLiteral("headFrame");
    frame.rect = QRectF(10.1, 10.1, 190.8, 34.7);
    frame.outlineWidth = kOutline;
    e.push_back(frame);

    TextElement title = textAt(QStringLiteral("title"), 16.9, 11.1, 20);
    title.style.bold = true;
    title.lines = QStringList {QCoreApplication::translate("PedigreeReport", "Abstammungsnachweis")};
    e.push_back(title);
    for (const auto& [name, y, size] : {std::tuple {"subject1", 19.3, 14.0}, std::tuple {"subject2", 25.1, 12.0}}) {
        TextElement line = TextElement::fixed(QString::fromLatin1(name), {12.7, y, 89.2, 6.1}, size);
        line.style.alignment = Qt::AlignHCenter;
        e.push_back(line);
    }
    for (const auto& [name, x, y] : {std::tuple {"breeder1Left", 12.7, 30.4}, std::tuple {"breeder1Right", 62.4, 30.4},
                                     std::tuple {"breeder2Left", 12.7, 34.7}, std::tuple {"breeder2Right", 62.4, 34.7},
                                     std::tuple {"breeder3Left", 12.7, 38.9}, std::tuple {"breeder3Right", 62.4, 38.9}})
        e.push_back(textAt(QString::fromLatin1(name), x, y, 9));

    TextElement remarks = TextElement::fixed(QStringLiteral("subjectRemarks"), {102.4, 15.6, 47.9, 27.8}, 10);
    remarks.style.alignment = Qt::AlignHCenter;
    remarks.style.wordWrap = true;
    e.push_back(remarks);
    TextElement caption = textAt(QStringLiteral("topRightCaption"), 196.0, 15.6, 10);
    caption.anchorRight = true;
    caption.style.bold = true;
    caption.style.underline = true;
    caption.style.alignment = Qt::AlignRight;
    e.push_back(caption);
    TextElement buyer = textAt(QStringLiteral("topRightText"), 196.0, 20.4, 10);
    buyer.anchorRight = true;
    buyer.style.alignment = Qt::AlignRight;
    buyer.emptySize = QSizeF(18.5, 12.7);
    e.push_back(buyer);
    PictureElement picture;
    picture.name = QStringLiteral("picture");
    picture.rect = QRectF(152.9, 11.6, layoutPixelsToMm(170), layoutPixelsToMm(120));
    picture.visible = false;
    e.push_back(picture);
    // Where the head's first breeder row stands, which is always empty.
    e.push_back(textAt(QStringLiteral("inbreeding"), 62.4, 30.4, 7));
}

void PedigreeReport::buildAncestorBoxes()
{
    auto& e = m_page.elements;
    for (int slot = 1; slot <= PedigreeSlots::kCount; ++slot) {
        const int g = generationOf(slot);
        const Column& c = kColumns[g];
        const int i = slot - ((1 << g) - 1);
        const double top = kGridTop + i * c.boxHeight;
        RectElement box;
        box.name = number(slot, "box");
        box.rect = QRectF(c.x, top, c.width, c.boxHeight);
        box.outlineWidth = kOutline;
        box.fill = QColor(Qt::white);
        e.push_back(box);
        const double inset = g == 4 ? 1.9 : 1.5;
        TextElement ring = textAt(number(slot, "ring"), c.x + inset, top + 1.5, 14);
        e.push_back(ring);
        TextElement details
            = TextElement::fixed(number(slot, "details"),
                                 {c.x + inset, top + (g == 4 ? 8.4 : 8.9), g == 4 ? 44.7 : 44.5, c.detailsHeight}, 10);
        details.style.wordWrap = true;
        details.style.shrinkToFit = true;
        e.push_back(details);
        TextElement mark = textAt(number(slot, "mark"), c.x + c.width - 1.5, top + 1.5, 8);
        mark.anchorRight = true;
        mark.style.bold = true;
        mark.style.alignment = Qt::AlignRight;
        e.push_back(mark);
    }
}

void PedigreeReport::buildFoot()
{
    auto& e = m_page.elements;
    TextElement foot = textAt(QStringLiteral("foot"), 10.1, 282.0, 6);
    foot.lines = QStringList {
        QCoreApplication::translate("PedigreeReport", "Erstellt mit Avelor Abstammungsnachweis - Internet: %1")
            .arg(SpeciesWords::WebPage)};
    e.push_back(foot);
    e.push_back(TextElement::printDate(QStringLiteral("date"), {200.0, 281.0}, 10));
}

std::array<QString, PedigreeSlots::kCount + 1> PedigreeReport::repeatMarks(const PedigreeSlots& ancestors)
{
    std::array<QString, PedigreeSlots::kCount + 1> marks;
    QHash<qsizetype, int> seen;
    for (int slot = 1; slot <= PedigreeSlots::kCount; ++slot) {
        if (!ancestors.empty(slot))
            ++seen[ancestors.index[slot]];
    }
    QHash<qsizetype, QString> letters;
    for (int slot = 1; slot <= PedigreeSlots::kCount; ++slot) {
        const qsizetype animal = ancestors.index[slot];
        if (ancestors.empty(slot) || seen.value(animal) < 2)
            continue;
        if (!letters.contains(animal))
            letters.insert(animal, QString(QChar(char16_t(u'A' + letters.size()))));
        marks[size_t(slot)] = letters.value(animal);
    }
    return marks;
}

QSize PedigreeReport::pictureFrame(QSize picture, QSize current)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return current;
    const double w = picture.width();
    const double h = picture.height();
    const double q = w / h;
    if (q > 1.416666666666667)
        return {170, int(std::nearbyint(170.0 * h / w))};
    if (q < 1.416666666666667)
        return {int(std::nearbyint(120.0 * w / h)), 120};
    return current;
}

void PedigreeReport::fillTopRight(const StockDocument& stock, const Animal& subject, const QStringList& buyerLines,
                                  FillResult& result)
{
    TextElement* caption = m_page.text(QStringLiteral("topRightCaption"));
    TextElement* text = m_page.text(QStringLiteral("topRightText"));
    PictureElement* picture = m_page.picture(QStringLiteral("picture"));
    const TopRightContent mode = stock.printSettings().topRightContent;
    if (mode == TopRightContent::Picture) {
        const QString path = stock.pictures().pathOf(subject.ringNumber);
        if (QFileInfo::exists(path)) {
            const DecodedPicture decoded = [&path] {
                // A picture that fails is the breeder's message, in the program's language.
                const TextLanguage::Scope language(TextLanguage::program());
                return decodePicture(path);
            }();
            if (decoded.image.isNull()) {
                result.error = decoded.error;
                return;
            }
            m_pictureFrame = pictureFrame(decoded.image.size(), m_pictureFrame);
            picture->image = decoded.image;
            picture->rect.setSize(
                QSizeF(layoutPixelsToMm(m_pictureFrame.width()), layoutPixelsToMm(m_pictureFrame.height())));
            picture->visible = true;
            caption->lines.clear();
            text->lines.clear();
            return;
        }
    }
    picture->image = QImage();
    picture->visible = false;
    caption->lines = mode == TopRightContent::FreeText
        ? QStringList()
        : QStringList {QCoreApplication::translate("PedigreeReport", "Verkauft an:")};
    text->lines = buyerLines;
}

QStringList PedigreeReport::detailLines(const Animal& a, int generation, const PrintSettings& settings,
                                        OuterGenerationsContent outer)
{
    const bool prefixes = settings.showPrefixes != 0;
    QStringList lines;
    if (generation <= 3) {
        QString colour = a.colour.isEmpty()
            ? QString()
            : withPrefix(prefixes, QCoreApplication::translate("PedigreeReport", "Farbe: "), a.colour);
        if (!a.markings.isEmpty())
            colour += QStringLiteral(" \"") + a.markings + QLatin1Char('"');
        lines << colour;
        if (!a.breeder.isEmpty())
            lines << withPrefix(prefixes, QCoreApplication::translate("PedigreeReport", "Züchter: "), a.breeder);
        if (generation <= 2 && !a.breed.isEmpty())
            lines << withPrefix(prefixes, QCoreApplication::translate("PedigreeReport", "Art: "), a.breed);
        if (settings.printBirthYear != 0 && a.birthYear > 0)
            lines << withPrefix(prefixes, QCoreApplication::translate("PedigreeReport", "Jahrgang: "),
                                QString::number(a.birthYear));
    }
    if (generation <= 2) {
        lines << a.remarks;
    } else if (outer == OuterGenerationsContent::Remarks) {
        lines << a.remarks;
    } else if (generation == 3) {
        if (!a.breed.isEmpty())
            lines << withPrefix(prefixes, QCoreApplication::translate("PedigreeReport", "Art: "), a.breed);
    } else if (!a.breeder.isEmpty()) {
        lines << withPrefix(prefixes, QCoreApplication::translate("PedigreeReport", "Züchter: "), a.breeder);
    }
    return lines;
}

PedigreeReport::FillResult PedigreeReport::fill(const StockDocument& stock, const QString& ring,
                                                const CertificateRequest& request, RecordSheetReport* sheet)
{
    FillResult result;
    const Animal* subject = stock.lastActive(ring);
    if (!subject)
        return result;
    result.found = true;
    fillTopRight(stock, *subject, request.buyerLines, result);
    if (!result.error.isEmpty())
        return result;
    fillHead(stock, *subject, request);
    if (sheet) {
        std::optional<ShowResult> best;
        if (request.preferences.bestShowResultOnRecordSheet)
            best = bestResult(stock.records().showResults(subject->ringNumber));
        sheet->fill(*subject, best ? RecordSheetReport::bestResultLine(*best) : QString());
    }
    m_slots = resolvePedigree(stock.animals(), *subject, stock.ringIndex());
    fillAncestors(stock, request.preferences);
    return result;
}

void PedigreeReport::fillHead(const StockDocument& stock, const Animal& subject, const CertificateRequest& request)
{
    const PrintSettings& settings = stock.printSettings();
    const bool prefixes = settings.showPrefixes != 0;
    m_page.text(QStringLiteral("subject1"))->lines
        = QStringList {QCoreApplication::translate("PedigreeReport", "für %1").arg(subject.ringNumber)};
    m_page.text(QStringLiteral("subject2"))->lines
        = QStringList {withPrefix(prefixes, QCoreApplication::translate("PedigreeReport", "Farbe: "), subject.colour)
                       + QStringLiteral(" \"") + subject.markings + QStringLiteral("\"    ")
                       + withPrefix(prefixes, QCoreApplication::translate("PedigreeReport", "Art: "), subject.breed)};
    m_page.text(QStringLiteral("subjectRemarks"))->lines = QStringList {subject.remarks};

    const BreederData& b = stock.breeder();
    m_page.text(QStringLiteral("breeder1Left"))->lines.clear();
    m_page.text(QStringLiteral("breeder1Right"))->lines.clear();
    m_page.text(QStringLiteral("breeder2Left"))->lines = QStringList {b.firstName + QLatin1Char(' ') + b.lastName};
    m_page.text(QStringLiteral("breeder2Right"))->lines = QStringList {b.street};
    m_page.text(QStringLiteral("breeder3Left"))->lines = QStringList {b.postcodeCity};
    m_page.text(QStringLiteral("breeder3Right"))->lines
        = QStringList {withPrefix(prefixes, QCoreApplication::translate("PedigreeReport", "Tel.: "), b.phone)};
    m_page.rect(QStringLiteral("headFrame"))->outline = storedColour(settings.headerColour);

    QStringList inbreeding;
    if (request.preferences.showInbreeding) {
        const Inbreeding f = InbreedingCalculator(stock.animals(), stock.ringIndex())
                                 .of(stock.ringIndex().lastActiveWith(subject.ringNumber));
        inbreeding << (f.cycleCut ? QCoreApplication::translate(
                           "PedigreeReport", "Inzuchtkoeffizient: %1 (Schleife in den Elternbeziehungen übergangen)")
                                  : QCoreApplication::translate("PedigreeReport", "Inzuchtkoeffizient: %1"))
                          .arg(f.percent());
    }
    m_page.text(QStringLiteral("inbreeding"))->lines = inbreeding;
}

void PedigreeReport::fillAncestors(const StockDocument& stock, const CertificatePreferences& preferences)
{
    const PrintSettings& settings = stock.printSettings();
    const auto marks = repeatMarks(m_slots);
    for (int slot = 1; slot <= PedigreeSlots::kCount; ++slot) {
        m_page.rect(number(slot, "box"))->outline
            = storedColour(slot % 2 == 1 ? settings.maleColour : settings.femaleColour);
        TextElement* ringField = m_page.text(number(slot, "ring"));
        TextElement* details = m_page.text(number(slot, "details"));
        details->style.pointSize = preferences.detailFontSize;
        m_page.text(number(slot, "mark"))->lines = preferences.markRepeatedAncestors && !marks[size_t(slot)].isEmpty()
            ? QStringList {marks[size_t(slot)]}
            : QStringList();
        if (m_slots.empty(slot)) {
            ringField->lines.clear();
            details->lines.clear();
            continue;
        }
        const Animal& ancestor = stock.animals()[size_t(m_slots.index[slot])];
        ringField->lines = QStringList {ancestor.ringNumber};
        details->lines = detailLines(ancestor, generationOf(slot), settings, preferences.outerGenerations);
    }
}
