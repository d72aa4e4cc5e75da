#include "catalogue/TextPool.h"

namespace velmora {

std::uint32_t TextPool::Get(QStringView field) {
    const auto it = entries_.constFind(field);
    if (it != entries_.constEnd()) return it->id;
    Entry entry;
    const QString text = rule_(field);
    entry.id = store_.AddText(text);
    // Most rules keep the field as it is; the key then shares the text's characters.
    entry.field = text == field ? text : field.toString();
    const QStringView key = entry.field;
    return entries_.emplace(key, std::move(entry))->id;
}

}  // namespace velmora
