#include "catalogue/clsMsData.h"

#include "catalogue/CatalogueLine.h"
#include "catalogue/TextCodec.h"
#include "catalogue/clsFncFile.h"

#include <QFileInfo>

#include <atomic>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace velmora {

namespace {

// A large catalogue's records take over a hundred megabytes that are touched once, page by
// page; on Linux, huge pages cut the cost of that first touch several times over.
void AdviseHugePages([[maybe_unused]] const void* data, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kHugePage = 2 * 1024 * 1024;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kHugePage - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

// The number of line feeds; memchr finds them several bytes at a time.
qsizetype LineFeeds(const QByteArray& bytes) {
    qsizetype count = 0;
    const char* at = bytes.constData();
    const char* const end = at + bytes.size();
    while ((at = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)))) != nullptr) {
        ++count;
        ++at;
    }
    return count;
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
    // A missing catalogue loads as an empty one, whose message says that it holds no unit.
    if (!QFileInfo(path).isFile()) return LoadRead(QByteArray(), path);
    return LoadRead(clsFncFile::Read(path), path);
}

Status clsMsData::SetDataSource(QIODevice& file, const QString& path) {
    return LoadRead(clsFncFile::ReadAll(file, path), path);
}

Status clsMsData::LoadRead(const Result<QByteArray>& read, const QString& path) {
    if (!read) {
        loadStamp_ = NextLoadStamp();
        rows_.clear();
        indexByMsNo_.clear();
        count_ = -1;
        return read.status();
    }
    const QString fileName = QFileInfo(path).fileName();
    return LoadMsData(*read, fileName.isEmpty() ? CatalogueFileName() : fileName);
}

Status clsMsData::LoadFromBytes(const QByteArray& bytes) {
    return LoadMsData(bytes, CatalogueFileName());
}

Status clsMsData::LoadMsData(const QByteArray& bytes, const QString& fileName) {
    loadStamp_ = NextLoadStamp();
    rows_.clear();
    indexByMsNo_.clear();
    // Lines are at most the line feeds and one more; reserving them up front keeps the
    // records where they were first written.
    const qsizetype lineBound = LineFeeds(bytes) + 1;
    std::vector<typMsData> rows;
    QHash<QString, int> index;
    rows.reserve(size_t(lineBound));
    AdviseHugePages(rows.data(), rows.capacity() * sizeof(typMsData));
    index.reserve(lineBound);
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
