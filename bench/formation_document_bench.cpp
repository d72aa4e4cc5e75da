// The formation as the user meets it: the window's start-up (the demo folder, and a catalogue of
// 50,000 units), a recompute of the formation frame with 7 and 10,000 rows, and an undo and a
// redo of a pasted formation of that size. Everything goes through the public window and frame.
#include "app/Platform.h"
#include "app/frmMain.h"
#include "catalogue/clsMsData.h"
#include "formationpanel/FormationPanel.h"
#include "formation/FormationText.h"
#include "system/SettingsFile.h"

#include "support/FormationCatalogue.h"
#include "support/QuietPlatform.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QUndoStack>
#include <stdexcept>

namespace {

using velmora::bench::QuietPlatform;
using velmora::FormationLists;

constexpr int kFormationUnits = 500;

FormationLists Lists(int entries, int offset) {
    FormationLists lists;
    for (int i = 0; i < entries; ++i) {
        lists.msNos << QString::number((i + offset) * 7 % kFormationUnits);
        lists.shields << QString::number(i % 2);
        lists.modifications << QString::number(i % 9);
        lists.weapons << QStringLiteral("0");
    }
    return lists;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("bench file not written");
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("bench file not read");
    return file.readAll();
}

// range 0: the demo folder; otherwise a catalogue of that many units with the demo settings.
void BM_StartUp(benchmark::State& state) {
    QTemporaryDir folder;
    const QString demo = QStringLiteral(VELMORA_DEMO_FOLDER);
    const QString catalogue = QDir(folder.path()).filePath(QStringLiteral("unitdata.csv"));
    if (state.range(0) == 0)
        WriteFile(catalogue, ReadFile(demo + QStringLiteral("/unitdata.csv")));
    else
        WriteFile(catalogue, velmora::bench::FormationCatalogue(int(state.range(0))));
    WriteFile(QDir(folder.path()).filePath(QStringLiteral("setting.ini")),
              ReadFile(demo + QStringLiteral("/setting.ini")));
    QuietPlatform platform(folder.path());
    for (auto _ : state) {
        velmora::frmMain window(platform);
        if (!window.Load()) throw std::runtime_error("window did not load");
    }
}
BENCHMARK(BM_StartUp)->Arg(0)->Arg(50000)->ArgName("units")->Unit(benchmark::kMillisecond);

struct Frame {
    Frame() : platform(folder.path()) {
        const QString ini = QDir(folder.path()).filePath(QStringLiteral("setting.ini"));
        WriteFile(ini, "[Setting]\r\n");
        settings = std::make_unique<velmora::SettingsFile>(ini);
        if (!catalogue.LoadFromBytes(velmora::bench::FormationCatalogue(kFormationUnits)).ok())
            throw std::runtime_error("catalogue did not load");
        panel = std::make_unique<velmora::FormationPanel>(catalogue, *settings, platform);
        panel->RestoreCommander(3, 50, 10, 2);
        panel->show();
    }
    QTemporaryDir folder;
    QuietPlatform platform;
    std::unique_ptr<velmora::SettingsFile> settings;
    velmora::clsMsData catalogue;
    std::unique_ptr<velmora::FormationPanel> panel;
};

QString PasteText(const FormationLists& lists) {
    return velmora::MakeFormationText(QStringLiteral("bench"), QDateTime(), lists);
}

void BM_Recompute(benchmark::State& state) {
    Frame frame;
    frame.panel->PasteFormation(PasteText(Lists(int(state.range(0)), 0)));
    // The recompute and the commander's save that a row selection makes.
    for (auto _ : state) {
        frame.panel->Recompute();
        frame.panel->SaveCommander();
    }
}
BENCHMARK(BM_Recompute)->Arg(7)->Arg(10000)->ArgName("rows")->Unit(benchmark::kMillisecond);

// One undo and one redo between two pasted formations of the same size.
void BM_UndoRedo(benchmark::State& state) {
    Frame frame;
    frame.panel->PasteFormation(PasteText(Lists(int(state.range(0)), 0)));
    frame.panel->PasteFormation(PasteText(Lists(int(state.range(0)), 1)));
    QUndoStack* stack = frame.panel->UndoStack();
    for (auto _ : state) {
        stack->undo();
        stack->redo();
    }
}
BENCHMARK(BM_UndoRedo)->Arg(7)->Arg(10000)->ArgName("rows")->Unit(benchmark::kMillisecond);

}  // namespace
