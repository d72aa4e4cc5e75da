#pragma once

#include "catalogue/Status.h"
#include "catalogue/UnitRecord.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class QIODevice;

namespace velmora {

// The unit catalogue: unitdata.csv read once into MsDataList, rows 1..n in file order (row 0 is
// an empty record that is never filled; with no unit the list holds no row at all). Rows never
// change after loading; callers get copies through GetMsData.
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

    // Number of units n; MsDataList() then has n + 1 rows (or none when n is 0).
    int UnitCount() const;
    const std::vector<typMsData>& MsDataList() const { return rows_; }

    // Faction mark of row i: "連" for Army 0, "ジ" for Army 1, empty otherwise or when i is
    // outside the list.
    QString get配備名(int i) const;

    // A copy of the first row whose MsNo equals msNo exactly, or the empty record.
    typMsData GetMsData(const QString& msNo) const;

    // The first row with that MsNo without copying it; nullptr when there is none.
    const typMsData* FindMsData(const QString& msNo) const;

private:
    // Loads bytes once they were read, or empties the catalogue when reading failed.
    Status LoadRead(const Result<QByteArray>& read, const QString& path);

    // LoadMsData: replaces the catalogue by the lines of bytes (header first); fileName names
    // the file in a failure's message.
    Status LoadMsData(const QByteArray& bytes, const QString& fileName);

    int count_ = 0;
    quint64 loadStamp_ = 0;
    std::vector<typMsData> rows_;
    QHash<QString, int> indexByMsNo_;  // MsNo -> first row
};

}  // namespace velmora
