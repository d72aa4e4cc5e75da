#pragma once

#include "catalogue/Status.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace velmora {

// The game's run-length ".img" pictures: a 144-byte header block, then 8-byte run records (blue,
// green, red, -, run length, -, -, -) covering a 256 x 256 image row by row from the top-left.
// Decoding gives a 24-bit Windows bitmap file held in memory, pixels in decode order.
class ImgDecoder {
public:
    static constexpr int kSide = 256;
    static constexpr int kPixelCount = kSide * kSide;
    static constexpr int kBitmapHeaderSize = 54;
    static constexpr int kBitmapSize = kBitmapHeaderSize + 3 * kPixelCount;  // 196,662
    static constexpr int kFileHeaderSize = 144;
    static constexpr int kRecordSize = 8;
    // The most of a file that decoding can use: enough records for every pixel, plus the final
    // record that the end bound leaves out.
    static constexpr qint64 kMaxReadSize =
        kFileHeaderSize + qint64(kRecordSize) * kPixelCount + kRecordSize;

    // The 54 constant header bytes of the bitmap.
    static QByteArray BitmapHeader();

    // The bitmap for a picture file's bytes. Records are read at 144, 152, ... while the record's
    // offset is at most length - 9, so the final 8 bytes of a file are never decoded. Runs past
    // the last pixel are dropped; pixels no run covers stay black.
    static QByteArray Decode(const QByteArray& file);

    // The first kMaxReadSize bytes of the file at path (all of a smaller file), so that a huge
    // file is never read whole; a failure when it cannot be read.
    static Result<QByteArray> ReadFile(const QString& path);
};

}  // namespace velmora
