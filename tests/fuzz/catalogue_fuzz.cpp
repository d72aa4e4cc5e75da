// The catalogue loader on arbitrary file bytes: it loads or fails, never crashes, and what it
// loads answers its own lookups; the lines it reads, piece by piece and through its table, are
// those of the whole file decoded by the converter.
#include "FuzzCheck.h"
#include "catalogue/TextCodec.h"
#include "catalogue/clsMsData.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using velmora::clsMsData;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList lines;
    const qsizetype count =
        velmora::ForEachLine(bytes, [&](QStringView line) { lines.append(line.toString()); });
    FUZZ_REQUIRE(count < 0 || lines == velmora::SplitLines(velmora::DecodeText(bytes).text));
    clsMsData catalogue;
    const velmora::Status status = catalogue.LoadFromBytes(bytes);
    const int units = catalogue.UnitCount();
    if (!status.ok()) {
        FUZZ_REQUIRE(units == 0);
        return 0;
    }
    FUZZ_REQUIRE(units >= 0);
    FUZZ_REQUIRE(catalogue.Count() == -1 || catalogue.Count() > units);
    for (int i = 1; i <= units; ++i) {
        const velmora::typMsData row = catalogue.Record(i);
        catalogue.get配備名(i);
        // An empty MS number finds the empty row 0, never a unit.
        if (row.MsNo.isEmpty()) {
            FUZZ_REQUIRE(catalogue.GetMsData(row.MsNo) == velmora::typMsData());
            continue;
        }
        const velmora::typMsData* first = catalogue.FindMsData(row.MsNo);
        FUZZ_REQUIRE(first && first->MsNo == row.MsNo);
        FUZZ_REQUIRE(*catalogue.FindMsData(row.MsNo) == *first);
    }
    catalogue.get配備名(units + 1);
    return 0;
}
