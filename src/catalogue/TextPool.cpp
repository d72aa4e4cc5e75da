#include "catalogue/TextPool.h"

namespace velmora {

std::uint32_t TextPool::Add(QStringView field) {
    const std::uint32_t id = store_.AddText(rule_(field));
    ids_.Insert(field, id);
    return id;
}

}  // namespace velmora
