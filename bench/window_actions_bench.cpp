// What a user does in the window on a catalogue of 50,000 units, each with the repaint it
// causes: choosing a unit in the list (the unit's details follow), deploying it and undoing
// that, and a header click on the list. Each should take less than a frame (16 ms).
#include "app/frmMain.h"
#include "formationpanel/FormationPanel.h"

#include "support/GeneratedCatalogue.h"
#include "support/QuietPlatform.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>
#include <memory>
#include <optional>
#include <stdexcept>

namespace {

constexpr int kUnits = 50000;

// The window on a program folder with the generated catalogue, shown and painted once.
struct Window {
    Window() : platform(folder.path()) {
        if (!velmora::bench::WriteProgramFolder(folder.path(), kUnits))
            throw std::runtime_error("bench folder not written");
        window.emplace(platform);
        if (!window->Load()) throw std::runtime_error("window did not load");
        window->show();
        QApplication::processEvents();
        list = window->findChild<QTableView*>(QStringLiteral("grdMsList"));
        if (!list || list->model()->rowCount() < 1000) throw std::runtime_error("no unit list");
    }
    void Choose(int row) {
        list->setCurrentIndex(list->model()->index(row, 3));
        QApplication::processEvents();
    }

    QTemporaryDir folder;
    velmora::bench::QuietPlatform platform;
    std::optional<velmora::frmMain> window;
    QTableView* list = nullptr;
};

// One window for every benchmark, closed while the application still runs.
std::unique_ptr<Window> shared;

Window& TheWindow() {
    if (!shared) {
        shared = std::make_unique<Window>();
        qAddPostRoutine([] { shared.reset(); });
    }
    return *shared;
}

void BM_ChooseUnit(benchmark::State& state) {
    Window& window = TheWindow();
    int row = 0;
    for (auto _ : state) {
        row = (row + 7919) % window.list->model()->rowCount();
        window.Choose(row);
    }
}
BENCHMARK(BM_ChooseUnit)->Unit(benchmark::kMillisecond);

// A click on 配備 and an undo of it: the formation, its totals, verdict and markers twice.
void BM_DeployAndUndo(benchmark::State& state) {
    Window& window = TheWindow();
    window.Choose(12);
    auto* deploy = window.window->findChild<QPushButton*>(QStringLiteral("cmdAdd"));
    QUndoStack* undo = window.window->findChild<velmora::FormationPanel*>()->UndoStack();
    for (auto _ : state) {
        deploy->click();
        QApplication::processEvents();
        undo->undo();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DeployAndUndo)->Unit(benchmark::kMillisecond);

// A header click, alternating between two columns so every click sorts again.
void BM_HeaderClick(benchmark::State& state) {
    Window& window = TheWindow();
    int column = 2;
    for (auto _ : state) {
        column = column == 2 ? 5 : 2;
        window.list->sortByColumn(column, Qt::AscendingOrder);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_HeaderClick)->Unit(benchmark::kMillisecond);

}  // namespace
