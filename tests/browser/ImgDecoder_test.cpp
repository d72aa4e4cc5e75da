#include "browser/ImgDecoder.h"
#include "browser/UnitPictureBox.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

struct Record {
    uchar b, g, r, n;
};

// A picture file: the 144-byte header block, one record per run, then the 8-byte trailer that
// the decoder's end bound leaves out.
QByteArray ImgFile(const std::vector<Record>& runs, bool trailer = true) {
    QByteArray file(ImgDecoder::kFileHeaderSize, '\x7f');
    for (const Record& run : runs) {
        const char record[8] = {char(run.b), char(run.g), char(run.r), '\x55',
                                char(run.n), '\x66',      '\x77',      '\x11'};
        file.append(record, 8);
    }
    if (trailer) file.append(8, '\x33');
    return file;
}

// Pixel p (decode order) of a bitmap as b, g, r.
std::array<int, 3> Pixel(const QByteArray& bitmap, int p) {
    const int at = ImgDecoder::kBitmapHeaderSize + 3 * p;
    return {uchar(bitmap[at]), uchar(bitmap[at + 1]), uchar(bitmap[at + 2])};
}

bool AllBlackFrom(const QByteArray& bitmap, int p) {
    for (qsizetype i = ImgDecoder::kBitmapHeaderSize + 3 * p; i < bitmap.size(); ++i) {
        if (bitmap[i] != '\0') return false;
    }
    return true;
}

TEST(ImgDecoder, BitmapHeaderIsTheConstant24BitBottomUpHeader) {
    const QByteArray bitmap = ImgDecoder::Decode(QByteArray());
    ASSERT_EQ(bitmap.size(), 196662);
    const auto* b = reinterpret_cast<const uchar*>(bitmap.constData());
    EXPECT_EQ(bitmap.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 2), 196662u);
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 6), 0u);
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 10), 54u);
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 14), 40u);
    EXPECT_EQ(qFromLittleEndian<qint32>(b + 18), 256);
    EXPECT_EQ(qFromLittleEndian<qint32>(b + 22), 256);
    EXPECT_EQ(qFromLittleEndian<quint16>(b + 26), 1);
    EXPECT_EQ(qFromLittleEndian<quint16>(b + 28), 24);
    for (int offset = 30; offset < 54; offset += 4)
        EXPECT_EQ(qFromLittleEndian<quint32>(b + offset), 0u) << offset;
    EXPECT_EQ(bitmap.left(54), ImgDecoder::BitmapHeader());
}

TEST(ImgDecoder, RunsFillPixelsInOrderAndZeroLengthRunsDrawNothing) {
    const QByteArray bitmap =
        ImgDecoder::Decode(ImgFile({{1, 2, 3, 2}, {9, 9, 9, 0}, {4, 5, 6, 1}, {7, 8, 250, 3}}));
    const std::array<int, 3> first{1, 2, 3}, second{4, 5, 6}, third{7, 8, 250};
    EXPECT_EQ(Pixel(bitmap, 0), first);
    EXPECT_EQ(Pixel(bitmap, 1), first);
    EXPECT_EQ(Pixel(bitmap, 2), second);
    EXPECT_EQ(Pixel(bitmap, 3), third);
    EXPECT_EQ(Pixel(bitmap, 5), third);
    EXPECT_TRUE(AllBlackFrom(bitmap, 6));
}

TEST(ImgDecoder, RunCrossingARowEndContinuesOnTheNextRow) {
    const QImage image = UnitPictureBox::ImageFromBitmap(
        ImgDecoder::Decode(ImgFile({{0, 0, 0, 250}, {30, 20, 10, 10}})));
    ASSERT_EQ(image.size(), QSize(256, 256));
    EXPECT_EQ(image.pixel(249, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(250, 0), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(255, 0), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(3, 1), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(4, 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(0, 255), qRgb(0, 0, 0));
}

TEST(ImgDecoder, RunsBeyondTheLastPixelStopThere) {
    std::vector<Record> runs(300, Record{1, 1, 1, 255});  // 76,500 pixels
    runs.push_back({200, 200, 200, 255});
    const QByteArray bitmap = ImgDecoder::Decode(ImgFile(runs));
    EXPECT_EQ(bitmap.size(), 196662);
    const std::array<int, 3> grey{1, 1, 1};
    EXPECT_EQ(Pixel(bitmap, 65535), grey);
}

TEST(ImgDecoder, EndBoundSkipsTheFinalEightBytesAndIncompleteRecords) {
    const std::array<int, 3> red{0, 0, 255}, black{0, 0, 0};
    // Length 144 + 8k: the last record is not decoded.
    const QByteArray noTrailer =
        ImgDecoder::Decode(ImgFile({{0, 0, 255, 1}, {0, 0, 255, 1}}, false));
    EXPECT_EQ(Pixel(noTrailer, 0), red);
    EXPECT_EQ(Pixel(noTrailer, 1), black);
    // A record followed by at least one more byte is decoded; a cut-off record is not.
    QByteArray cut = ImgFile({{0, 0, 255, 1}}, false);
    cut.append(QByteArray("\x00\x00\xff", 3));
    EXPECT_EQ(Pixel(ImgDecoder::Decode(cut), 0), red);
    EXPECT_EQ(Pixel(ImgDecoder::Decode(cut), 1), black);
    // One record alone after the header block, and files of the header block or less.
    EXPECT_TRUE(AllBlackFrom(ImgDecoder::Decode(ImgFile({{0, 0, 255, 1}}, false)), 0));
    EXPECT_TRUE(AllBlackFrom(ImgDecoder::Decode(QByteArray(144, '\x01')), 0));
    EXPECT_TRUE(AllBlackFrom(ImgDecoder::Decode(QByteArray(3, '\x01')), 0));
}

TEST(ImgDecoder, ImageOfAShortBitmapLeavesTheMissingPixelsBlack) {
    QByteArray bitmap = ImgDecoder::Decode(ImgFile({{255, 0, 0, 255}}));
    bitmap.truncate(54 + 3 * 10);
    const QImage image = UnitPictureBox::ImageFromBitmap(bitmap);
    EXPECT_EQ(image.pixel(9, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(10, 0), qRgb(0, 0, 0));
    EXPECT_EQ(UnitPictureBox::ImageFromBitmap(QByteArray()).pixel(0, 0), qRgb(0, 0, 0));
}

TEST(ImgDecoder, ReadFileReadsSmallFilesWholeAndHugeOnesOnlyAsFarAsDecodingGoes) {
    test::TestFolder folder;
    const QByteArray small = ImgFile({{1, 2, 3, 4}});
    EXPECT_EQ(ImgDecoder::ReadFile(folder.Write(u"small.img"_s, small)), small);
    EXPECT_EQ(ImgDecoder::ReadFile(folder.Write(u"empty.img"_s, QByteArray())), QByteArray());
    EXPECT_FALSE(ImgDecoder::ReadFile(folder.FilePath(u"missing.img"_s)).ok());
    EXPECT_FALSE(ImgDecoder::ReadFile(QString()).ok());

    QFile huge(folder.FilePath(u"huge.img"_s));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(100LL * 1024 * 1024));  // sparse: no 100 MB of disk needed
    huge.close();
    const auto bytes = ImgDecoder::ReadFile(huge.fileName());
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(bytes->size(), ImgDecoder::kMaxReadSize);
    EXPECT_TRUE(AllBlackFrom(ImgDecoder::Decode(*bytes), 0));
}

}  // namespace
}  // namespace velmora
