#pragma once

#include "app/frmMain.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <optional>

namespace velmora::test {

// The widget tests' hands and eyes on a window or a panel: its controls by their design names,
// label texts, grid cells (rows numbered from 1, as the grids show them) and picking a row.
class WindowDriver {
public:
    virtual ~WindowDriver() = default;

protected:
    virtual QObject& Root() = 0;  // what the controls are looked up in

    template <typename T>
    T* Control(const QString& name) {
        T* control = Root().findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    template <typename T>
    T* Control(const char16_t* name) {
        return Control<T>(QString::fromUtf16(name));
    }
    QString Text(const QString& label);  // empty, and a failure, when there is no such label
    QString Text(const char16_t* label) { return Text(QString::fromUtf16(label)); }
    QTableView* Grid(const QString& name) { return Control<QTableView>(name); }
    QTableView* Grid(const char16_t* name) { return Control<QTableView>(name); }
    int Rows(const QString& grid) { return Grid(grid)->model()->rowCount(); }
    int Rows(const char16_t* grid) { return Rows(QString::fromUtf16(grid)); }
    int CurrentRow(const QString& grid);  // 0 when none
    QString Cell(const QString& grid, int row, int column);
    QString Cell(const char16_t* grid, int row, int column) {
        return Cell(QString::fromUtf16(grid), row, column);
    }
    QStringList RowCells(const QString& grid, int row);
    // Makes the row current as a click would, without the mouse.
    void ChooseRow(const QString& grid, int row);
    void ChooseRow(const char16_t* grid, int row) { ChooseRow(QString::fromUtf16(grid), row); }
    void ClickRow(const QString& grid, int row);  // a mouse click on the row's second cell
};

// A program folder with a catalogue of the given lines and a demo install folder, and the
// window on it, started and restarted as the program is.
class ProgramWindowTest : public ::testing::Test, protected WindowDriver {
protected:
    explicit ProgramWindowTest(const QStringList& catalogueLines);

    QObject& Root() override { return *window_; }
    // A new window on the program folder, as the next start of the program; without
    // keepSettings the settings start over with the install folder alone.
    void Restart(bool keepSettings);
    void Deploy();  // a click on 配備

    TestFolder folder_;
    ScriptedPlatform platform_;
    std::optional<frmMain> window_;
};

}  // namespace velmora::test
