#include "browser/UnitPictureBox.h"

#include "browser/ImgDecoder.h"

#include <QPainter>

namespace velmora {

UnitPictureBox::UnitPictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void UnitPictureBox::SetImage(const QImage& image) {
    image_ = image;
    update();
}

void UnitPictureBox::SetNote(const QString& note) {
    note_ = note;
    update();
}

void UnitPictureBox::Clear() {
    image_ = QImage();
    update();
}

QImage UnitPictureBox::ImageFromBitmap(const QByteArray& bitmap) {
    constexpr int side = ImgDecoder::kSide;
    QImage image(side, side, QImage::Format_RGB32);
    const qsizetype pixels =
        qBound(qsizetype(0), (bitmap.size() - ImgDecoder::kBitmapHeaderSize) / 3,
               qsizetype(ImgDecoder::kPixelCount));
    if (pixels < ImgDecoder::kPixelCount) image.fill(Qt::black);
    const auto* bgr =
        reinterpret_cast<const uchar*>(bitmap.constData()) + ImgDecoder::kBitmapHeaderSize;
    for (qsizetype start = 0; start < pixels; start += side) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(int(start / side)));
        const qsizetype count = qMin<qsizetype>(side, pixels - start);
        for (qsizetype x = 0; x < count; ++x, bgr += 3) line[x] = qRgb(bgr[2], bgr[1], bgr[0]);
    }
    return image;
}

void UnitPictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (image_.isNull()) {
        if (note_.isEmpty()) return;
        // Inside a margin, so the box's corners stay black.
        painter.setPen(QColor(200, 200, 200));
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, note_);
        return;
    }
    // One image pixel per logical pixel, so the picture keeps its size on a scaled screen; at
    // scale 1 that is one image pixel per device pixel. Scaled pixels stay sharp squares.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image_.size())), image_);
}

}  // namespace velmora
