#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <array>

namespace velmora {

// The window icon from the program's resources (velmora_add_icon): the sizes a title bar and a
// task switcher show; the large ones the desktop takes from the installed icon theme. Each size
// is decoded when the window system first asks for it, so nothing is decoded before the first
// paint where nothing asks.
class ProgramIconEngine : public QIconEngine {
public:
    static constexpr std::array<int, 4> kSizes = {16, 32, 48, 64};

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const size_t index = Index(size);
        QPixmap& decoded = pixmaps_[index];
        if (decoded.isNull())
            decoded.load(QStringLiteral(u":/icons/velmora-%1.png").arg(kSizes[index]), "PNG");
        // Never larger than asked, as an icon's pixmaps go.
        if (decoded.width() > size.width() || decoded.height() > size.height())
            return decoded.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return decoded;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = kSizes[Index(size)];
        return QSize(side, side).boundedTo(size);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : kSizes) sizes.append(QSize(side, side));
        return sizes;
    }
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral(u"velmora"); }

private:
    // The smallest size that fills the one asked for, or the largest.
    static size_t Index(const QSize& size) {
        for (size_t i = 0; i < kSizes.size(); ++i)
            if (kSizes[i] >= qMax(size.width(), size.height())) return i;
        return kSizes.size() - 1;
    }

    std::array<QPixmap, kSizes.size()> pixmaps_;
};

inline QIcon ProgramIcon() { return QIcon(new ProgramIconEngine); }

}  // namespace velmora
