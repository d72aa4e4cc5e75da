#pragma once

#include "formation/FormationRules.h"
#include "formation/FormationText.h"

#include <QString>
#include <optional>

// The share code: a formation as one token that survives chat programs and forums. It holds the
// comment, the four lists and the commander, with a check value, written with letters, digits,
// "-" and "_" only, after a prefix that names the program and the format's version.
namespace velmora {

struct SharedFormation {
    QString comment;
    FormationLists lists;
    std::optional<Commander> commander;  // none while no rank is chosen

    bool operator==(const SharedFormation&) const = default;
};

// "VELMORA1-" followed by the base64url text (no padding) of the UTF-8 bytes of comment, MS
// numbers, shields, modifications, weapons and the commander field joined by tabs, followed by
// the first four bytes of their SHA-256.
QString EncodeShareCode(const SharedFormation& formation);

// The formation of the last share code in text whose check holds; text around it (chat, "> "
// quoting, other lines) is ignored. A code that was cut or altered fails its check.
std::optional<SharedFormation> FindShareCode(const QString& text);

}  // namespace velmora
