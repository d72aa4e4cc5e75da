// A stored formation text of arbitrary content, loaded against the demo catalogue: its fields
// and lists split and join back, its rows rebuild, and the rules run over them. The first byte
// picks the commander; the rest is the text (UTF-8).
#include "FuzzCheck.h"
#include "catalogue/clsMsData.h"
#include "formation/FormationClipboard.h"
#include "formation/FormationRows.h"
#include "formation/FormationRules.h"
#include "formation/FormationText.h"
#include "formation/ShareCode.h"

#include <QDateTime>
#include <QFile>
#include <cstddef>
#include <cstdint>

namespace {

const velmora::clsMsData& Catalogue() {
    static const velmora::clsMsData catalogue = [] {
        velmora::clsMsData loaded;
        if (!loaded.SetDataSource(QStringLiteral(VELMORA_DEMO_CATALOGUE)).ok()) std::abort();
        return loaded;
    }();
    return catalogue;
}

bool HasLoneEmptyList(const velmora::FormationLists& lists) {
    const QStringList single{QString()};
    return lists.msNos == single || lists.shields == single || lists.modifications == single ||
           lists.weapons == single;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    if (size < 1) return 0;
    const unsigned pick = data[0];
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const QStringList fields = SplitFormationText(text);
    FUZZ_REQUIRE(fields.size() == 6);
    const FormationLists lists = ListsOfFormationText(text);
    // Entries hold neither commas nor tabs, so the lists join back to themselves, except that
    // a list of one empty entry is written as an empty field, which reads as no entry.
    if (!HasLoneEmptyList(lists)) {
        FUZZ_REQUIRE(FormationLists::Parse(lists.Joined()).msNos == lists.msNos);
        const FormationLists again = FormationLists::Parse(lists.Joined());
        FUZZ_REQUIRE(again.shields == lists.shields && again.modifications == lists.modifications &&
                     again.weapons == lists.weapons);
    }
    const QString stored = MakeFormationText(fields[0].isEmpty() ? QStringLiteral("c") : fields[0],
                                             QDateTime(QDate(2026, 2, 3), QTime(9, 5)), lists);
    if (!fields[0].contains(u'\t')) FUZZ_REQUIRE(ListsOfFormationText(stored) == lists);

    const RebuiltFormation rebuilt = RebuildRows(Catalogue(), lists);
    FUZZ_REQUIRE(rebuilt.rows.size() <= std::size_t(lists.msNos.size()));
    FUZZ_REQUIRE(rebuilt.failure.isEmpty() ==
                 (rebuilt.rows.size() == std::size_t(lists.msNos.size())));
    const FormationLists back = ListsOfRows(rebuilt.rows);
    const qsizetype n = qsizetype(rebuilt.rows.size());
    FUZZ_REQUIRE(back.shields == lists.shields.mid(0, n));
    FUZZ_REQUIRE(back.modifications == lists.modifications.mid(0, n));
    FUZZ_REQUIRE(back.weapons == lists.weapons.mid(0, n));

    Commander commander;
    if (pick % 7 != 6) commander.rank = int(pick % 7);
    commander.level = 1 + int(pick % 99);
    commander.decoration = int(pick / 3 % 100);
    commander.skill = int(pick / 7 % 4);
    const FormationResult result =
        CalcFormationRules(commander, QStringLiteral("48"), rebuilt.rows, Catalogue());
    FUZZ_REQUIRE(result.marks.size() == rebuilt.rows.size());
    FUZZ_REQUIRE(!result.verdict.isEmpty());

    // Whatever paste takes from any text is whole lists of one length, and its share code reads
    // back as it was.
    if (const std::optional<PastedFormation> pasted = ParsePastedFormation(text)) {
        const FormationLists& got = pasted->lists;
        FUZZ_REQUIRE(got.shields.size() == got.msNos.size() &&
                     got.modifications.size() == got.msNos.size() &&
                     got.weapons.size() == got.msNos.size());
        const SharedFormation shared{QStringLiteral("c"), got, pasted->commander};
        if (!HasLoneEmptyList(got)) FUZZ_REQUIRE(FindShareCode(EncodeShareCode(shared)) == shared);
    }
    return 0;
}
