#pragma once

#include <QLabel>

// The picture preview of the animal dialogs: the picture stretched into a
// box whose size follows the picture's proportions.
class PictureBox : public QLabel
{
    Q_OBJECT

public:
    // frame: the largest size the box may take.
    PictureBox(QSize frame, QWidget* parent = nullptr);

    // Shows the picture fitted into fit (at most the frame). An unreadable
    // file leaves a short note in the box, the German reason in its tooltip,
    // and returns the reason.
    QString showPicture(const QString& path, QSize fit);
    void clearPicture();
    bool hasPicture() const { return !pixmap().isNull(); }

private:
    QSize m_frame;
    QSize m_current;
};
