// Refilling the unit list: generated catalogues of 500 and 50,000 units, through the model alone
// and through the whole frame (model, grid and current row), with a few filter settings; the
// deploy preview a row's tooltip asks for; sorting the list by a header, first and later clicks.
// The same actions through the whole window are in window_actions_bench.
#include "browser/MsListModel.h"
#include "browser/MsListPanel.h"
#include "catalogue/clsMsData.h"
#include "formation/DeployPreview.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QLineEdit>
#include <QStringList>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>

namespace {

using velmora::clsMsData;
using velmora::ListToggle;
using velmora::MsListFilter;
using velmora::MsListModel;
using velmora::MsListPanel;

QString S(const char16_t* text) { return QString::fromUtf16(text); }

QString UnitLine(int unit, std::mt19937& random) {
    static const QStringList names = {S(u"ヴェルデ"),  S(u"ザルガ"),       S(u"グリフォン"),
                                      S(u"ドラグ"),    S(u"ガーディアン"), S(u"オムニス"),
                                      S(u"ティグリス")};
    static const QStringList moves = {S(u"地上3"), S(u"宇宙4"), S(u"汎用2"),
                                      S(u"水陸3"), S(u"飛行5"), S(u"宇3")};
    static const QStringList categories = {S(u"－"),   S(u"－"),   S(u"限定"), S(u"専用"),
                                           S(u"一機"), S(u"二機"), S(u"一N")};
    const auto pick = [&random](const QStringList& list) {
        return list[std::uniform_int_distribution<int>(0, int(list.size()) - 1)(random)];
    };
    const int army = std::uniform_int_distribution<int>(0, 20)(random);
    QString name = pick(names) + QString::number(unit % 1000);
    if (unit % 17 == 0) name += S(u"☆");
    QStringList fields = {QString::number(unit),
                          army == 0 ? S(u"OTHER") : (army % 2 ? S(u"EFSF") : S(u"ZEON")),
                          name,
                          S(u"-"),
                          S(u"0300000"),
                          S(u"ms/gm_01_02.img"),
                          QString::number(unit % 9),
                          QString::number(std::uniform_int_distribution<int>(1, 20)(random)),
                          QString::number(60 + unit % 200),
                          QString::number(unit % 12),
                          QString::number(unit % 40),
                          QString::number(unit % 30),
                          pick(moves),
                          QString::number(unit % 6),
                          S(u"-"),
                          pick(categories),
                          QString::number(unit % 90)};
    for (int k = 0; k < 7; ++k) {
        fields << S(u"ビームライフル") << S(u"ビーム") << S(u"30") << S(u"2") << S(u"0") << S(u"-5")
               << S(u"--") << S(u"--") << S(u"×") << S(u"－");
    }
    fields << (unit % 3 ? S(u"－") : S(u"○"));
    return fields.join(u',');
}

// One catalogue per size, loaded through the catalogue's own loader.
const clsMsData& Catalogue(int units) {
    static std::map<int, std::unique_ptr<clsMsData>> cache;
    auto& slot = cache[units];
    if (!slot) {
        std::mt19937 random(12345);
        QStringList lines = {S(u"header")};
        for (int i = 1; i <= units; ++i) lines << UnitLine(i, random);
        slot = std::make_unique<clsMsData>();
        if (!slot->LoadFromBytes(lines.join(S(u"\r\n")).toUtf8()).ok() ||
            slot->UnitCount() != units)
            throw std::runtime_error("generated catalogue did not load");
    }
    return *slot;
}

enum Setting { AllNoFilter, Keyword, Toggles };

MsListFilter Filter(Setting setting) {
    MsListFilter filter;
    filter.SetArmyIndex(2);
    if (setting == Keyword) filter.SetKeyword(S(u"ザルガ　３"));
    if (setting == Toggles) {
        filter.SetToggle(ListToggle::Earth, true);
        filter.SetToggle(ListToggle::Space, true);
        filter.SetToggle(ListToggle::Private, true);
        filter.SetToggle(ListToggle::Ace, true);
    }
    return filter;
}

void BM_ModelFill(benchmark::State& state) {
    const clsMsData& catalogue = Catalogue(int(state.range(0)));
    MsListModel model(catalogue);
    const MsListFilter filter = Filter(Setting(state.range(1)));
    model.Fill(filter);  // the one-time ordering of the catalogue is measured below
    for (auto _ : state) {
        model.Fill(filter);
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_ModelFill)
    ->ArgsProduct({{500, 50000}, {AllNoFilter, Keyword, Toggles}})
    ->ArgNames({"units", "setting"})
    ->Unit(benchmark::kMillisecond);

// The first fill: putting the catalogue in list order once.
void BM_FirstFill(benchmark::State& state) {
    const clsMsData& catalogue = Catalogue(int(state.range(0)));
    for (auto _ : state) {
        MsListModel model(catalogue);
        model.Fill(Filter(AllNoFilter));
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_FirstFill)->Arg(500)->Arg(50000)->ArgName("units")->Unit(benchmark::kMillisecond);

// A header's first click on 50,000 listed units, in either direction: the column's keys are
// worked out then.
void BM_HeaderFirstSort(benchmark::State& state) {
    const clsMsData& catalogue = Catalogue(int(state.range(0)));
    const int column = int(state.range(1));
    const Qt::SortOrder order = state.range(2) ? Qt::DescendingOrder : Qt::AscendingOrder;
    for (auto _ : state) {
        state.PauseTiming();
        MsListModel model(catalogue);
        model.Fill(Filter(AllNoFilter));
        state.ResumeTiming();
        model.sort(column, order);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_HeaderFirstSort)
    ->ArgsProduct({{50000},
                   benchmark::CreateDenseRange(Col(MsListModel::Column::Army),
                                               Col(MsListModel::Column::Tec), 1),
                   {0, 1}})
    ->ArgNames({"units", "column", "descending"})
    ->Unit(benchmark::kMillisecond);

// Later clicks on headers: the keys are there, the rows are sorted again.
void BM_HeaderSort(benchmark::State& state) {
    const clsMsData& catalogue = Catalogue(int(state.range(0)));
    MsListModel model(catalogue);
    model.Fill(Filter(AllNoFilter));
    for (int column = 1; column < MsListModel::kColumnCount; ++column) model.sort(column);
    int column = 1;
    bool descending = false;
    for (auto _ : state) {
        model.sort(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        benchmark::DoNotOptimize(model.rowCount());
        descending = !descending;
        column = column % (MsListModel::kColumnCount - 1) + 1;
    }
}
BENCHMARK(BM_HeaderSort)->Arg(50000)->ArgName("units")->Unit(benchmark::kMillisecond);

// A refill with a header's sort in force.
void BM_SortedFill(benchmark::State& state) {
    const clsMsData& catalogue = Catalogue(int(state.range(0)));
    MsListModel model(catalogue);
    model.Fill(Filter(AllNoFilter));
    model.sort(Col(MsListModel::Column::MsName), Qt::DescendingOrder);
    for (auto _ : state) {
        model.Fill(Filter(AllNoFilter));
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_SortedFill)->Arg(50000)->ArgName("units")->Unit(benchmark::kMillisecond);

// The frame's FillMsList with its grid shown: model reset, view update, current row kept.
void BM_PanelFill(benchmark::State& state) {
    const clsMsData& catalogue = Catalogue(int(state.range(0)));
    MsListPanel panel(catalogue);
    panel.resize(792, 285);
    panel.show();
    QCoreApplication::processEvents();
    if (state.range(1) == Keyword)
        panel.findChild<QLineEdit*>(S(u"txtKeyword"))->setText(S(u"ザルガ　３"));
    panel.FillMsList(2);
    for (auto _ : state) {
        panel.FillMsList(2);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(panel.RowCount());
    }
}
BENCHMARK(BM_PanelFill)
    ->ArgsProduct({{500, 50000}, {AllNoFilter, Keyword}})
    ->ArgNames({"units", "setting"})
    ->Unit(benchmark::kMillisecond);

// One row's tooltip over the 50,000-unit catalogue: the rules run for the formation with that
// unit added. With six units that is the whole computation; with seven the formation is full.
void BM_RowPreview(benchmark::State& state) {
    const clsMsData& catalogue = Catalogue(50000);
    std::vector<velmora::FormationRow> formation;
    for (int unit = 1; unit <= state.range(0); ++unit)
        formation.push_back(velmora::ListedUnitRow(catalogue.Record(unit)));
    const velmora::Commander commander{5, 99, 99, 3};
    MsListModel model(catalogue);
    model.SetPreview([&](const velmora::typMsData& unit) {
        return velmora::DeployPreview(unit, commander, S(u"250"), formation, catalogue);
    });
    model.Fill(Filter(AllNoFilter));
    int row = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            model.index(row, Col(MsListModel::Column::MsName)).data(Qt::ToolTipRole));
        row = (row + 7919) % model.rowCount();
    }
}
BENCHMARK(BM_RowPreview)->Arg(6)->Arg(7)->ArgName("formation")->Unit(benchmark::kMicrosecond);

}  // namespace
