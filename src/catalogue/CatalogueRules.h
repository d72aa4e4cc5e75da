#pragma once

#include <QString>
#include <QStringView>

// How each column of a catalogue line becomes the stored text or number of a unit record.
// A field is "missing" when it is empty or "nd"; no value is ever an error, it falls to the
// rule's default instead. The rules read views into the line and build a text only for the
// values they keep: defaults and small whole numbers are shared texts.
namespace velmora::rules {

// Empty or the catalogue's "no data" mark.
bool IsMissing(QStringView field);

// The field as a stored text.
QString Text(QStringView field);

// Character index + 1 of the field (index counting from 0), empty when the field is shorter.
QString CharAt(QStringView field, qsizetype index);

// num::Val and num::NumberText, quicker for the small whole numbers most figures are.
double Value(const QString& text);
QString NumberText(double value);

// Faction code: "ZEON" 1, "EFSF" 0, anything else 2.
int Army(QStringView field);

// The second character, empty when the field is shorter.
QString SecondChar(QStringView field);

// From a picture path "folder/name.ext": the file name before its first "." ("name"), empty
// when there is no "/" or no "."; a view into field.
QStringView ImageName(QStringView field);

// The first two "_"-separated parts of a picture's name, as ImageName gives it, when it has
// exactly three ("vd_01_2" from "ms/vd_01_2.img" gives "vd_01"), else empty; a view into name.
QStringView ImageBaseOfName(QStringView name);

// Load weight: "99" when missing, else unchanged (it need not be numeric).
QString Weight(QStringView field);

// Numeric text unchanged, anything else empty.
QString Numeric(QStringView field);

// Move column ("地上3"): the type is the text without its last character, the move value is
// that last character when it is a digit and "0" otherwise; both empty when missing.
QString MoveType(QStringView field);
QString Move(QStringView field);

// Terrain class of a move type: "地上", "宇宙", "万能汎用" or empty.
QString MoveArea(QStringView moveType);

// Category code spelled out ("限定" -> "限定生産", "－" -> "量産機" ...); unknown codes unchanged.
QString Category(QStringView field);

// "なし" for an empty slot ("nd" or "－"), otherwise the name without its "×" characters.
QString WeaponName(QStringView field);

// "－" when missing or "－", else unchanged.
QString DashDefault(QStringView field);

// Numbers are re-formatted as plain decimal text ("08" -> "8"); anything else gives "0".
QString NumberOrZero(QStringView field);

// Number of shots, written with or without "×" ("×2" -> "2"); "0" when none.
QString Shots(QStringView field);

// Range modifiers: re-formatted numbers, "--" for anything else.
QString NumberOrDashes(QStringView field);

// Anti-air mark: "×" kept, anything else "○".
QString AntiAir(QStringView field);

// Detach mark: "○" or "×" kept, anything else "－".
QString Detach(QStringView field);

}  // namespace velmora::rules
