#include "catalogue/clsMsData.h"

#include "catalogue/CatalogueLine.h"
#include "catalogue/TextCodec.h"
#include "catalogue/clsFncFile.h"

#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cstring>

namespace velmora {

namespace {

// The lines holding at least as many comma bytes as a unit line has separators; memchr and
// std::count go through the bytes several at a time.
qsizetype LinesWithFields(const QByteArray& bytes) {
    constexpr std::ptrdiff_t kSeparators = CatalogueLine::kFieldCount - 1;
    qsizetype lines = 0;
    const char* at = bytes.constData();
    const char* const end = at + bytes.size();
    while (at < end) {
        const auto* feed = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)));
        const char* const lineEnd = feed ? feed : end;
        if (lineEnd - at >= kSeparators && std::count(at, lineEnd, ',') >= kSeparators) ++lines;
        at = lineEnd + 1;
    }
    return lines;
}

// The catalogue's own name, for messages about bytes that did not come from a named file.
QString CatalogueFileName() { return QStringLiteral(u"unitdata.csv"); }

// Stamps start at 1, so 0 stands for a catalogue that was never loaded.
quint64 NextLoadStamp() {
    static std::atomic<quint64> last{0};
    return ++last;
}

}  // namespace

Status clsMsData::SetDataSource(const QString& path) {
    QByteArray bytes;
    const Status read = clsFncFile::ReadBytes(path, bytes);
    return LoadRead(read, bytes, path);
}

Status clsMsData::SetDataSource(QIODevice& file, const QString& path) {
    QByteArray bytes;
    const Status read = clsFncFile::ReadAll(file, path, bytes);
    return LoadRead(read, bytes, path);
}

Status clsMsData::LoadRead(const Status& read, const QByteArray& bytes, const QString& path) {
    if (!read) {
        loadStamp_ = NextLoadStamp();
        rows_.clear();
        indexByMsNo_.clear();
        count_ = -1;
        return read;
    }
    const QString fileName = QFileInfo(path).fileName();
    return LoadMsData(bytes, fileName.isEmpty() ? CatalogueFileName() : fileName);
}

Status clsMsData::LoadFromBytes(const QByteArray& bytes) {
    return LoadMsData(bytes, CatalogueFileName());
}

Status clsMsData::LoadMsData(const QByteArray& bytes, const QString& fileName) {
    loadStamp_ = NextLoadStamp();
    rows_.clear();
    indexByMsNo_.clear();
    // Growing the records as they come would hold them twice at every step; the lines that can
    // be units, those with a field separator byte for each field, bound them without letting
    // empty lines or one overlong line ask for memory that no unit needs.
    const qsizetype unitBound = LinesWithFields(bytes) + 1;
    std::vector<typMsData> rows;
    QHash<QString, int> index;
    rows.reserve(size_t(unitBound));
    index.reserve(unitBound);
    CatalogueLine line;
    Status status = Status::Ok();
    qsizetype number = 0;
    // Every line is counted, even after a failure; the first line is the header, whatever it
    // holds.
    const qsizetype count = ForEachLine(bytes, [&](QStringView text) {
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
        if (rows.empty()) rows.emplace_back();  // row 0: the empty record, never filled
        typMsData& unit = rows.emplace_back();
        line.Fill(unit);
        // The first line wins; an empty MsNo always means the empty record. Rows start at 1,
        // so 0 marks a number seen for the first time.
        if (!unit.MsNo.isEmpty()) {
            int& row = index[unit.MsNo];
            if (row == 0) row = int(rows.size()) - 1;
        }
    });
    if (count < 0) {
        count_ = -1;
        return Status::Fail(
            QStringLiteral(u"機体データファイル %1 が壊れています。文字を読み取れません。")
                .arg(fileName));
    }
    count_ = count == 0 ? -1 : int(count);
    if (!status) return status;
    rows_ = std::move(rows);
    indexByMsNo_ = std::move(index);
    return Status::Ok();
}

int clsMsData::UnitCount() const { return rows_.empty() ? 0 : int(rows_.size()) - 1; }

QString clsMsData::get配備名(int i) const {
    if (i < 0 || size_t(i) >= rows_.size()) return QString();
    switch (rows_[size_t(i)].Army) {
        case 0:
            return QStringLiteral(u"連");
        case 1:
            return QStringLiteral(u"ジ");
        default:
            return QString();
    }
}

typMsData clsMsData::GetMsData(const QString& msNo) const {
    const typMsData* found = FindMsData(msNo);
    return found ? *found : typMsData();
}

const typMsData* clsMsData::FindMsData(const QString& msNo) const {
    const auto it = indexByMsNo_.constFind(msNo);
    return it == indexByMsNo_.constEnd() ? nullptr : &rows_[size_t(*it)];
}

}  // namespace velmora
