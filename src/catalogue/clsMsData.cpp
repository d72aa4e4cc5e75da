#include "catalogue/clsMsData.h"

#include "catalogue/CatalogueLine.h"
#include "catalogue/TextCodec.h"
#include "catalogue/clsFncFile.h"

#include <QFileInfo>

#include <atomic>

namespace velmora {

namespace {

// The catalogue's own name, for messages about bytes that did not come from a named file.
QString CatalogueFileName() { return QStringLiteral(u"unitdata.csv"); }

// Stamps start at 1, so 0 stands for a catalogue that was never loaded.
quint64 NextLoadStamp() {
    static std::atomic<quint64> last{0};
    return ++last;
}

}  // namespace

Status clsMsData::SetDataSource(const QString& path) {
    // A missing catalogue loads as an empty one, whose message says that it holds no unit.
    if (!QFileInfo(path).isFile()) return LoadRead(std::vector<QByteArray>(), path);
    return LoadRead(clsFncFile::ReadInParts(path), path);
}

Status clsMsData::SetDataSource(QIODevice& file, const QString& path) {
    return LoadRead(clsFncFile::ReadAllInParts(file, path), path);
}

Status clsMsData::LoadRead(Result<std::vector<QByteArray>> read, const QString& path) {
    if (!read) {
        loadStamp_ = NextLoadStamp();
        units_ = std::make_shared<UnitStore>();
        indexByMsNo_.reset();
        records_.clear();
        count_ = -1;
        return read.status();
    }
    const QString fileName = QFileInfo(path).fileName();
    return LoadMsData(*std::move(read), fileName.isEmpty() ? CatalogueFileName() : fileName);
}

Status clsMsData::LoadFromBytes(const QByteArray& bytes) {
    return LoadMsData({bytes}, CatalogueFileName());
}

Status clsMsData::LoadMsData(std::vector<QByteArray> parts, const QString& fileName) {
    loadStamp_ = NextLoadStamp();
    units_ = std::make_shared<UnitStore>();
    indexByMsNo_.reset();
    records_.clear();
    // The units grow as they come: nothing is reserved from a count that the file could
    // inflate, and the parts already read are let go meanwhile.
    auto units = std::make_shared<UnitStore>();
    CatalogueLine line(*units);
    Status status = Status::Ok();
    qsizetype number = 0;
    // Every line is counted, even after a failure; the first line is the header, whatever it
    // holds.
    // Each part is let go once read, so the file is not held whole next to its units.
    const qsizetype count = ForEachLine(std::move(parts), [&](QStringView text) {
        ++number;
        if (number == 1 || text.isEmpty() || !status) return;
        if (!line.Split(text)) {
            status = Status::Fail(
                QStringLiteral(u"インデックスが有効範囲にありません。\n"
                               u"%1 の %2 行目の項目が %3 個しかありません（%4 個必要です）。")
                    .arg(fileName)
                    .arg(number)
                    .arg(line.FieldCount())
                    .arg(CatalogueLine::kFieldCount));
            return;
        }
        line.Fill();
    });
    if (count < 0) {
        count_ = -1;
        return Status::Fail(
            QStringLiteral(u"機体データファイル %1 が壊れています。文字を読み取れません。")
                .arg(fileName));
    }
    count_ = count == 0 ? -1 : int(count);
    if (!status) return status;
    // The first line wins; an empty MsNo always means the empty record.
    indexByMsNo_ = std::make_shared<const MsNoIndex>(*units);
    units_ = std::move(units);
    return Status::Ok();
}

QString clsMsData::get配備名(int i) const {
    if (i < 1 || i > UnitCount()) return QString();
    switch (units_->Army(i)) {
        case 0:
            return QStringLiteral(u"連");
        case 1:
            return QStringLiteral(u"ジ");
        default:
            return QString();
    }
}

typMsData clsMsData::Record(int i) const {
    return i >= 1 && i <= UnitCount() ? units_->Record(i) : typMsData();
}

int clsMsData::RowOfMsNo(const QString& msNo) const {
    return indexByMsNo_ ? indexByMsNo_->Find(*units_, msNo) : 0;
}

typMsData clsMsData::GetMsData(const QString& msNo) const {
    const int row = RowOfMsNo(msNo);
    return row == 0 ? typMsData() : units_->Record(row);
}

const typMsData* clsMsData::FindMsData(const QString& msNo) const {
    const int row = RowOfMsNo(msNo);
    if (row == 0) return nullptr;
    std::shared_ptr<const typMsData>& record = records_[row];
    if (!record) record = std::make_shared<const typMsData>(units_->Record(row));
    return record.get();
}

}  // namespace velmora
