#pragma once

#include "catalogue/UnitStore.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <cstdint>

namespace velmora {

// The texts one rule makes from the fields of one load, each made once and added to the store's
// shared texts: a catalogue repeats weapon names, attributes, codes and figures across thousands
// of units, and a shared text costs a unit only its id.
class TextPool {
public:
    using Rule = QString (*)(QStringView field);

    TextPool(Rule rule, UnitStore& store) : rule_(rule), store_(store) {}

    // The id of rule(field), made on the field's first appearance.
    std::uint32_t Get(QStringView field);

private:
    struct Entry {
        QString field;  // owns the characters the entry's key views
        std::uint32_t id = 0;
    };

    Rule rule_;
    UnitStore& store_;
    QHash<QStringView, Entry> entries_;
};

}  // namespace velmora
