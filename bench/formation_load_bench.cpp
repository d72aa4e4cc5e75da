// Loading a stored formation: the rules' recompute over many rows, and the whole frame loading
// a formation text of 7 to 100,000 entries (a damaged or hand-made setting.ini may hold any
// number), with units drawn from a 500-unit catalogue so that many rows tie in HP and load.
#include "catalogue/clsMsData.h"
#include "formationpanel/FormationPanel.h"
#include "formation/FormationRows.h"
#include "formation/FormationRules.h"
#include "formation/VerdictExplanation.h"
#include "system/Platform.h"
#include "system/SettingsFile.h"

#include "support/FormationCatalogue.h"
#include "support/QuietPlatform.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

using velmora::bench::QuietPlatform;
using velmora::clsMsData;
using velmora::FormationLists;

constexpr int kUnits = 500;

clsMsData Catalogue() {
    clsMsData catalogue;
    if (!catalogue.LoadFromBytes(velmora::bench::FormationCatalogue(kUnits)).ok())
        throw std::runtime_error("catalogue did not load");
    return catalogue;
}

FormationLists Lists(int entries) {
    FormationLists lists;
    for (int i = 0; i < entries; ++i) {
        lists.msNos << QString::number(i * 7 % kUnits);
        lists.shields << QString::number(i % 2);
        lists.modifications << QString::number(i % 9);
        lists.weapons << QStringLiteral("0");
    }
    return lists;
}

void BM_FormationRules(benchmark::State& state) {
    const clsMsData catalogue = Catalogue();
    const FormationLists lists = Lists(int(state.range(0)));
    const std::vector<velmora::FormationRow> rows = velmora::RebuildRows(catalogue, lists).rows;
    const velmora::Commander commander{3, 50, 10, 2};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            velmora::CalcFormationRules(commander, QStringLiteral("110"), rows, catalogue));
    }
}
BENCHMARK(BM_FormationRules)
    ->Arg(7)
    ->Arg(10000)
    ->Arg(100000)
    ->ArgName("rows")
    ->Unit(benchmark::kMillisecond);

// What every change of a formation recomputes: the rules, the rows they count against and the
// verdict's explanation with its lowest level, for a commander with a rank.
void BM_FormationRecomputeWithRank(benchmark::State& state) {
    const clsMsData catalogue = Catalogue();
    const FormationLists lists = Lists(int(state.range(0)));
    const std::vector<velmora::FormationRow> rows = velmora::RebuildRows(catalogue, lists).rows;
    const velmora::Commander commander{3, 50, 10, 2};
    for (auto _ : state) {
        const velmora::FormationResult result =
            velmora::CalcFormationRules(commander, QStringLiteral("110"), rows, catalogue);
        benchmark::DoNotOptimize(velmora::RowsAgainstRule(result, rows));
        benchmark::DoNotOptimize(velmora::ExplainVerdict(commander, result));
    }
}
BENCHMARK(BM_FormationRecomputeWithRank)
    ->Arg(7)
    ->Arg(10000)
    ->ArgName("rows")
    ->Unit(benchmark::kMillisecond);

void BM_ApplyFormationLists(benchmark::State& state) {
    const clsMsData catalogue = Catalogue();
    const FormationLists lists = Lists(int(state.range(0)));
    QTemporaryDir folder;
    const QString ini = QDir(folder.path()).filePath(QStringLiteral("setting.ini"));
    QFile file(ini);
    if (!file.open(QIODevice::WriteOnly) || file.write("[Setting]\r\n") < 0)
        throw std::runtime_error("setting.ini not written");
    file.close();
    velmora::SettingsFile settings(ini);
    QuietPlatform platform(folder.path());
    velmora::FormationPanel panel(catalogue, settings, platform);
    panel.show();
    for (auto _ : state) {
        if (!panel.ApplyFormationLists(lists)) throw std::runtime_error("formation not loaded");
    }
}
BENCHMARK(BM_ApplyFormationLists)
    ->Arg(7)
    ->Arg(10000)
    ->Arg(100000)
    ->ArgName("entries")
    ->Unit(benchmark::kMillisecond);

}  // namespace
