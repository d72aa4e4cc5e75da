#include "support/WindowDriver.h"

#include "support/ProgramFolder.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace velmora::test {

QString WindowDriver::Text(const QString& label) {
    auto* control = Control<QLabel>(label);
    return control ? control->text() : QString();
}

int WindowDriver::CurrentRow(const QString& grid) {
    const QModelIndex current = Grid(grid)->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

QString WindowDriver::Cell(const QString& grid, int row, int column) {
    return Grid(grid)->model()->index(row - 1, column).data().toString();
}

QStringList WindowDriver::RowCells(const QString& grid, int row) {
    QStringList cells;
    for (int c = 0; c < Grid(grid)->model()->columnCount(); ++c) cells << Cell(grid, row, c);
    return cells;
}

void WindowDriver::ChooseRow(const QString& grid, int row) {
    QTableView* view = Grid(grid);
    view->setCurrentIndex(view->model()->index(row - 1, 1));
}

void WindowDriver::ClickRow(const QString& grid, int row) {
    QTableView* view = Grid(grid);
    const QPoint at = view->visualRect(view->model()->index(row - 1, 1)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
}

ProgramWindowTest::ProgramWindowTest(const QStringList& catalogueLines)
    : platform_(folder_.Path()) {
    folder_.Write(QStringLiteral(u"unitdata.csv"), CatalogueBytes(catalogueLines));
}

void ProgramWindowTest::Restart(bool keepSettings) {
    window_.reset();
    if (!keepSettings) {
        const QString game = MakeInstallFolder(folder_);
        folder_.Write(QStringLiteral(u"setting.ini"),
                      SettingsBytes({QStringLiteral(u"[Setting]"), u"path=" + game}));
    }
    window_.emplace(platform_);
    ASSERT_TRUE(window_->Load());
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&*window_));
}

void ProgramWindowTest::Deploy() {
    QTest::mouseClick(Control<QPushButton>(QStringLiteral(u"cmdAdd")), Qt::LeftButton);
}

}  // namespace velmora::test
