// Start to first paint: the program's window started as main() starts it, through the Platform
// seam, on a generated catalogue, and a floor to compare it with: a bare window with the same
// font, three framed 14-column grids of Japanese texts and a status bar. Each run ends at its
// window's first paint and prints its peak resident set; callgrind counts its instructions.
//
//   first_paint make <folder> <units>   lays out a program folder with a generated catalogue
//   first_paint run <folder>            starts the program on that folder
//   first_paint floor                   starts the floor window
//   first_paint sort <folder> [column]  loads the catalogue, fills the unit list and sorts it
//                                       by the column (by each column when none is given) once,
//                                       as a header's first click does; callgrind
//                                       --toggle-collect='velmora::MsListModel::sort*' counts it
#include "ProgramIcon.h"
#include "app/Platform.h"
#include "app/frmMain.h"
#include "browser/MsListModel.h"
#include "catalogue/clsMsData.h"
#include "support/GeneratedCatalogue.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QMainWindow>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <sys/resource.h>
#include <unistd.h>
#include <cstdio>

namespace {

// The program's folder and nothing else: start-up asks nothing of a bench run.
class BenchPlatform : public velmora::Platform {
public:
    explicit BenchPlatform(QString folder) : folder_(std::move(folder)) {}
    QString ProgramFolder() const override { return folder_; }
    QDateTime Now() const override { return QDateTime(QDate(2024, 1, 1), QTime(12, 0)); }
    velmora::MsgAnswer MsgBox(QWidget*, const QString& text, const QString&,
                              velmora::MsgStyle) override {
        std::fprintf(stderr, "message: %s\n", qUtf8Printable(text));
        return velmora::MsgAnswer::OK;
    }
    std::optional<QString> InputBox(QWidget*, const QString&, const QString&,
                                    const QString&) override {
        return std::nullopt;
    }
    QString BrowseFolder(QWidget*, const QString&) override { return QString(); }
    void EndProgram() override { _exit(1); }

private:
    QString folder_;
};

// Ends the process once the window's first paint is done: the paint event of the window comes
// first, its children's follow in the same pass, and a zero timer runs after that pass. The
// process ends without tearing anything down, which is not part of starting.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("peak_rss_kib %ld\n", usage.ru_maxrss);
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

// The floor window's grids: 14 columns of short Japanese texts.
class FloorModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& = QModelIndex()) const override { return 30; }
    int columnCount(const QModelIndex& = QModelIndex()) const override { return 14; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole) return QVariant();
        return QStringLiteral(u"ヴェルデ%1").arg(index.row() * 14 + index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return QVariant();
        return QStringLiteral(u"搭載%1").arg(section);
    }
};

int Floor(QApplication& app, FirstPaint& firstPaint) {
    QMainWindow window;
    QFont font;
    font.setFamilies({QStringLiteral(u"MS Gothic"), QStringLiteral(u"IPAGothic")});
    font.setPointSize(9);
    window.setFont(font);
    auto* central = new QWidget(&window);
    auto* layout = new QVBoxLayout(central);
    FloorModel model;
    for (const char16_t* title : {u"機体一覧", u"機体情報", u"編成"}) {
        auto* frame = new QGroupBox(QString::fromUtf16(title), central);
        auto* grid = new QTableView(frame);
        grid->setModel(&model);
        (new QVBoxLayout(frame))->addWidget(grid);
        layout->addWidget(frame);
    }
    window.setCentralWidget(central);
    window.statusBar()->showMessage(QStringLiteral(u"準備完了"));
    window.resize(805, 622);
    window.installEventFilter(&firstPaint);
    window.show();
    return app.exec();
}

int Run(QApplication& app, FirstPaint& firstPaint, const QString& folder) {
    BenchPlatform platform(folder);
    velmora::frmMain window(platform);
    if (!window.Load()) return 1;
    window.installEventFilter(&firstPaint);
    window.show();
    return app.exec();
}

// The first click on each header, in a program of its own so that callgrind counts the sorts
// alone.
int FirstClicks(const QString& folder, int only) {
    velmora::clsMsData catalogue;
    if (!catalogue.SetDataSource(folder + u"/unitdata.csv")) return 1;
    velmora::MsListModel model(catalogue);
    velmora::MsListFilter filter;
    filter.SetArmyIndex(2);
    model.Fill(filter);
    for (int column = 1; column < velmora::MsListModel::kColumnCount; ++column)
        if (only < 0 || column == only) model.sort(column, Qt::AscendingOrder);
    return model.rowCount() > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() == 3 && args[0] == u"make")
        return velmora::bench::WriteProgramFolder(args[1], args[2].toInt()) ? 0 : 1;
    if ((args.size() == 2 || args.size() == 3) && args[0] == u"sort")
        return FirstClicks(args[1], args.size() == 3 ? args[2].toInt() : -1);
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    if (args.size() == 1 && args[0] == u"floor") return Floor(app, firstPaint);
    if (args.size() == 2 && args[0] == u"run") {
        // As main() starts the program.
        QApplication::setApplicationName(QStringLiteral(u"Velmora"));
        QGuiApplication::setDesktopFileName(QStringLiteral(u"velmora"));
        QApplication::setWindowIcon(velmora::ProgramIcon());
        return Run(app, firstPaint, args[1]);
    }
    std::fprintf(stderr, "usage: first_paint make <folder> <units> | run <folder> | floor\n");
    return 2;
}
