#pragma once

#include "catalogue/MsNoIndex.h"
#include "catalogue/Status.h"
#include "catalogue/UnitRecord.h"
#include "catalogue/UnitStore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <unordered_map>
#include <vector>

class QIODevice;

namespace velmora {

// The unit catalogue: unitdata.csv read once into compact units, rows 1..n in file order. Rows
// never change after loading; the list reads their texts in place, other callers get full unit
// records through Record, GetMsData and FindMsData.
class clsMsData {
public:
    // DataSource: reads the file at path whole and loads it. A line with fewer than 88 fields
    // stops the load; the failure's message names the line number and its field count, and the
    // catalogue is then left empty.
    Status SetDataSource(const QString& path);

    // The same from a device (tests pass one that fails); path names the file in messages.
    Status SetDataSource(QIODevice& file, const QString& path);

    // The same from the file's bytes (code page 932, UTF-8 or UTF-16 with its mark, CR LF or LF).
    Status LoadFromBytes(const QByteArray& bytes);

    // Lines read, header and empty lines included: 0 before loading, -1 when the file was
    // missing or empty.
    int Count() const { return count_; }

    // Names the load that made the rows, unique within the program (failed loads included; a
    // copy keeps its original's): whatever was worked out from the rows is stale once it
    // changes, even when a reload put the new rows at the old address.
    quint64 LoadStamp() const { return loadStamp_; }

    // Number of units n: rows 1 to n.
    int UnitCount() const { return units_->UnitCount(); }

    // The units' texts in place, for rows 1 to UnitCount().
    const UnitStore& Units() const { return *units_; }

    // The full record of row i; the empty record when i is not a row.
    typMsData Record(int i) const;

    // Faction mark of row i: "連" for Army 0, "ジ" for Army 1, empty otherwise or when i is
    // outside the list.
    QString get配備名(int i) const;

    // A copy of the first row whose MsNo equals msNo exactly, or the empty record.
    typMsData GetMsData(const QString& msNo) const;

    // The first row with that MsNo as a full record kept until the next load (each row's
    // record is made at its first look-up); nullptr when there is none.
    const typMsData* FindMsData(const QString& msNo) const;

private:
    // Loads the file's parts once they were read, or empties the catalogue when reading failed.
    Status LoadRead(Result<std::vector<QByteArray>> read, const QString& path);

    // LoadMsData: replaces the catalogue by the lines of the file's parts (header first; each
    // part ends with whole lines); fileName names the file in a failure's message.
    Status LoadMsData(std::vector<QByteArray> parts, const QString& fileName);

    // The first row with that MsNo, or 0.
    int RowOfMsNo(const QString& msNo) const;

    int count_ = 0;
    quint64 loadStamp_ = 0;
    // Shared with copies: the rows never change, and the index's keys view the store's names.
    std::shared_ptr<const UnitStore> units_ = std::make_shared<UnitStore>();
    std::shared_ptr<const MsNoIndex> indexByMsNo_;  // MsNo -> first row; none before a load
    mutable std::unordered_map<int, std::shared_ptr<const typMsData>> records_;
};

}  // namespace velmora
