// Reading setting.ini of arbitrary bytes: every key reads without a crash or a change to the
// file.
#include "FuzzCheck.h"
#include "SettingsFuzzFile.h"
#include "system/SettingsFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = SettingsFuzzPath();
    WriteWhole(path, bytes);
    const velmora::SettingsFile settings(path);
    FUZZ_REQUIRE(settings.Exists());
    for (unsigned section = 0; section < 4; ++section) {
        for (unsigned key = 0; key < 9; ++key) settings.Read(FuzzSection(section), FuzzKey(key));
    }
    FUZZ_REQUIRE(ReadWhole(path) == bytes);
    return 0;
}
