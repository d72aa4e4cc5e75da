// The picture decoder on arbitrary file bytes: always a whole bitmap with its constant header.
#include "FuzzCheck.h"
#include "browser/ImgDecoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using velmora::ImgDecoder;
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArray bitmap = ImgDecoder::Decode(file);
    FUZZ_REQUIRE(bitmap.size() == ImgDecoder::kBitmapSize);
    FUZZ_REQUIRE(bitmap.startsWith(ImgDecoder::BitmapHeader()));
    return 0;
}
