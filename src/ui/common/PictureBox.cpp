#include "ui/common/PictureBox.h"

#include "core/pictures/PictureFit.h"
#include "reports/engine/PictureDecoder.h"

PictureBox::PictureBox(QSize frame, QWidget* parent) : QLabel(parent), m_frame(frame), m_current(frame)
{
    setAlignment(Qt::AlignCenter);
    setMinimumSize(frame);
    setMaximumSize(frame);
    setFrameShape(QFrame::StyledPanel);
    setWordWrap(true);
    setAccessibleName(tr("Bild"));
}

QString PictureBox::showPicture(const QString& path, QSize fit)
{
    const DecodedPicture picture = decodePicture(path);
    if (picture.image.isNull()) {
        clearPicture();
        setText(tr("Bild kann nicht angezeigt werden"));
        setToolTip(picture.error);
        return picture.error;
    }
    setToolTip(QString());
    m_current = fitPicture(picture.image.size(), fit, m_current).boundedTo(m_frame);
    setPixmap(QPixmap::fromImage(picture.image.scaled(m_current, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    return {};
}

void PictureBox::clearPicture()
{
    clear();
    setToolTip(QString());
}
