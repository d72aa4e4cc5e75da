#include "browser/ImgDecoder.h"

#include "catalogue/clsFncFile.h"

#include <QtEndian>

namespace velmora {

namespace {

void Put32(QByteArray& bytes, int offset, quint32 value) {
    qToLittleEndian(value, bytes.data() + offset);
}

void Put16(QByteArray& bytes, int offset, quint16 value) {
    qToLittleEndian(value, bytes.data() + offset);
}

}  // namespace

QByteArray ImgDecoder::BitmapHeader() {
    QByteArray header(kBitmapHeaderSize, '\0');
    header[0] = 'B';
    header[1] = 'M';
    Put32(header, 2, kBitmapSize);
    Put32(header, 10, kBitmapHeaderSize);
    Put32(header, 14, 40);  // size of the information header
    Put32(header, 18, kSide);
    Put32(header, 22, kSide);  // positive: bottom row stored first
    Put16(header, 26, 1);
    Put16(header, 28, 24);
    return header;
}

QByteArray ImgDecoder::Decode(const QByteArray& file) {
    QByteArray bitmap(kBitmapSize, '\0');
    const QByteArray header = BitmapHeader();
    std::copy(header.cbegin(), header.cend(), bitmap.begin());
    const auto* in = reinterpret_cast<const uchar*>(file.constData());
    auto* out = reinterpret_cast<uchar*>(bitmap.data());
    const qint64 length = file.size();
    qint64 w = kBitmapHeaderSize;
    for (qint64 r = kFileHeaderSize; r <= length - 9 && w < kBitmapSize; r += kRecordSize) {
        const int run = in[r + 4];
        for (int i = 0; i < run && w < kBitmapSize; ++i, w += 3) {
            out[w] = in[r];
            out[w + 1] = in[r + 1];
            out[w + 2] = in[r + 2];
        }
    }
    return bitmap;
}

Result<QByteArray> ImgDecoder::ReadFile(const QString& path) {
    return clsFncFile::Read(path, kMaxReadSize);
}

}  // namespace velmora
