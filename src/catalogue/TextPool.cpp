#include "catalogue/TextPool.h"

namespace velmora {

QString TextPool::Get(QStringView field) {
    const auto it = entries_.constFind(field);
    if (it != entries_.constEnd()) return it->text;
    Entry entry;
    entry.text = rule_(field);
    // Most rules keep the field as it is; the key then shares the text's characters.
    entry.field = entry.text == field ? entry.text : field.toString();
    const QStringView key = entry.field;
    return entries_.emplace(key, std::move(entry))->text;
}

}  // namespace velmora
