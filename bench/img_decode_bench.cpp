// Decoding one unit picture: a file of short runs covering the whole image, then the image made
// from the bitmap for painting.
#include "browser/ImgDecoder.h"
#include "browser/UnitPictureBox.h"

#include <benchmark/benchmark.h>

namespace {

using velmora::ImgDecoder;
using velmora::UnitPictureBox;

// Runs of 1 to 8 pixels in changing colours until every pixel is covered, then a trailer.
QByteArray PictureFile() {
    QByteArray file(ImgDecoder::kFileHeaderSize, '\0');
    int covered = 0;
    for (int k = 0; covered < ImgDecoder::kPixelCount; ++k) {
        const int run = 1 + k % 8;
        const char record[8] = {char(k), char(k * 3), char(k * 7), 0, char(run), 0, 0, 0};
        file.append(record, 8);
        covered += run;
    }
    return file.append(8, '\0');
}

void BM_Decode(benchmark::State& state) {
    const QByteArray file = PictureFile();
    for (auto _ : state) benchmark::DoNotOptimize(ImgDecoder::Decode(file));
    state.SetBytesProcessed(int64_t(state.iterations()) * file.size());
}
BENCHMARK(BM_Decode)->Unit(benchmark::kMicrosecond);

void BM_DecodeToImage(benchmark::State& state) {
    const QByteArray file = PictureFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(UnitPictureBox::ImageFromBitmap(ImgDecoder::Decode(file)));
}
BENCHMARK(BM_DecodeToImage)->Unit(benchmark::kMicrosecond);

}  // namespace
