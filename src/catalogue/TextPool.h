#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

namespace velmora {

// The texts one rule makes from the fields of one load, each made once and then shared: a
// catalogue repeats weapon names, attributes, codes and the like across thousands of units,
// and a shared text costs no allocation and no memory of its own per unit.
class TextPool {
public:
    using Rule = QString (*)(QStringView field);

    explicit TextPool(Rule rule) : rule_(rule) {}

    // rule(field), made on the field's first appearance.
    QString Get(QStringView field);

private:
    struct Entry {
        QString field;  // owns the characters the entry's key views
        QString text;
    };

    Rule rule_;
    QHash<QStringView, Entry> entries_;
};

}  // namespace velmora
