#include "ui/common/Prompts.h"

#include "core/pictures/PictureFit.h"
#include "reports/engine/PictureDecoder.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QUrl>

namespace {

// A file dialog with a picture preview beside the file list.
QString choosePictureWithPreview(QWidget* parent, const QString& filter)
{
    QFileDialog dialog(parent, QCoreApplication::translate("Prompts", "Bild auswählen"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    auto* preview = new QLabel(&dialog);
    preview->setFixedSize(170, 120);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(preview, 1, grid->columnCount(), Qt::AlignTop);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
        const DecodedPicture picture = QFileInfo(path).isFile() ? decodePicture(path) : DecodedPicture {};
        if (picture.image.isNull()) {
            preview->clear();
            return;
        }
        const QSize size = fitPicture(picture.image.size(), {170, 120}, {170, 120});
        preview->setPixmap(
            QPixmap::fromImage(picture.image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

class DialogPrompts final : public Prompts
{
public:
    QString openPicture(QWidget* parent, const QString& filter) override
    {
        return choosePictureWithPreview(parent, filter);
    }

    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override
    {
        QFileDialog dialog(parent, title, QString(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QString saveFileName(QWidget* parent, const QString& title, const QString& proposedPath, const QString& filter,
                         const QString& defaultSuffix) override
    {
        QFileDialog dialog(parent, title, proposedPath, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override
    {
        const QColor colour
            = QColorDialog::getColor(initial, parent, QCoreApplication::translate("Prompts", "Farbe auswählen"));
        if (!colour.isValid())
            return std::nullopt;
        return colour;
    }

    void openFolder(const QString& path) override { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
};

Prompts* g_installed = nullptr;

} // namespace

Prompts& Prompts::current()
{
    static DialogPrompts dialogs;
    return g_installed ? *g_installed : dialogs;
}

void Prompts::install(Prompts* prompts)
{
    g_installed = prompts;
}

QString Prompts::pictureFilter()
{
    // Pictures are stored under the animal's ".jpg" name without conversion, so only
    // JPEG pictures and the bitmaps the decoder also reads are offered.
    return QCoreApplication::translate("Prompts", "JPEG-Bilder (*.jpg *.jpeg *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP)");
}
