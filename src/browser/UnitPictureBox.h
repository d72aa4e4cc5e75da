#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>

namespace velmora {

// picImg: shows a unit picture at one image pixel per logical pixel (per device pixel at scale 1,
// enlarged without smoothing on a scaled screen), anchored at its top-left corner on a black
// background and cut at its edges. Cleared, it is all black, or shows its note, when it has
// one, in light grey inside a margin.
class UnitPictureBox : public QWidget {
    Q_OBJECT
public:
    explicit UnitPictureBox(QWidget* parent = nullptr);

    void SetImage(const QImage& image);
    void Clear();
    // A short text shown while there is no picture (empty: none).
    void SetNote(const QString& note);
    const QImage& Image() const { return image_; }

    // The 256 x 256 picture of a decoded bitmap: its pixels are in decode order, so decoded row
    // i is image row i (the first decoded row at the top). Missing bytes read as black.
    static QImage ImageFromBitmap(const QByteArray& bitmap);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QString note_;
};

}  // namespace velmora
