#pragma once

#include "catalogue/FieldMap.h"
#include "catalogue/UnitStore.h"

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
    std::uint32_t Get(QStringView field) {
        if (const std::uint32_t* id = ids_.Find(field)) return *id;
        return Add(field);
    }

private:
    std::uint32_t Add(QStringView field);

    Rule rule_;
    UnitStore& store_;
    FieldMap ids_;  // field -> id of its text
};

}  // namespace velmora
