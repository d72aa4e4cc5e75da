#pragma once

#include "app/frmMain.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QStringList>
#include <QTableView>
#include <optional>

namespace velmora::test {

// A program folder with a catalogue of the given lines and a demo install folder, and the
// window on it, started and restarted as the program is: the driver of the window tests.
class WindowDriver : public ::testing::Test {
protected:
    explicit WindowDriver(const QStringList& catalogueLines);

    // A new window on the program folder, as the next start of the program; without
    // keepSettings the settings start over with the install folder alone.
    void Restart(bool keepSettings);

    template <typename T>
    T* Control(const QString& name) {
        T* control = window_->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QString Text(const QString& label) { return Control<QLabel>(label)->text(); }
    QTableView* Grid(const QString& name) { return Control<QTableView>(name); }
    int Rows(const QString& grid) { return Grid(grid)->model()->rowCount(); }
    int CurrentRow(const QString& grid);  // grid numbering: 0 when none
    QString Cell(const QString& grid, int row, int column);
    QStringList RowCells(const QString& grid, int row);
    void Choose(const QString& grid, int row);  // a click on the row's second cell
    void Deploy();                              // a click on 配備

    TestFolder folder_;
    ScriptedPlatform platform_;
    std::optional<frmMain> window_;
};

}  // namespace velmora::test
