#include "formation/ShareCode.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QRegularExpression>
#include <QStringList>

namespace velmora {

namespace {

const QString& Prefix() {
    static const QString prefix = QStringLiteral("VELMORA1-");
    return prefix;
}

constexpr int kCheckBytes = 4;
constexpr int kFields = 6;

constexpr QByteArray::Base64Options kEncoding =
    QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QByteArray Check(const QByteArray& payload) {
    return QCryptographicHash::hash(payload, QCryptographicHash::Sha256).left(kCheckBytes);
}

std::optional<SharedFormation> Decode(const QString& body) {
    const QByteArray::FromBase64Result decoded = QByteArray::fromBase64Encoding(
        body.toLatin1(), kEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() < kCheckBytes) return std::nullopt;
    // The last character may carry bits the bytes do not use: only the one spelling counts.
    if (decoded.decoded.toBase64(kEncoding) != body.toLatin1()) return std::nullopt;
    const QByteArray payload = decoded.decoded.chopped(kCheckBytes);
    if (Check(payload) != decoded.decoded.right(kCheckBytes)) return std::nullopt;
    const QString text = QString::fromUtf8(payload);
    if (text.toUtf8() != payload) return std::nullopt;  // not UTF-8
    const QStringList fields = text.split(u'\t');
    if (fields.size() != kFields) return std::nullopt;
    SharedFormation formation;
    formation.comment = fields[0];
    formation.lists = {SplitList(fields[1]), SplitList(fields[2]), SplitList(fields[3]),
                       SplitList(fields[4])};
    if (!fields[5].isEmpty()) {
        formation.commander = ParseCommanderField(fields[5]);
        if (!formation.commander) return std::nullopt;
    }
    return formation;
}

}  // namespace

QString EncodeShareCode(const SharedFormation& formation) {
    const QString commander =
        formation.commander ? CommanderField(*formation.commander) : QString();
    const QByteArray payload =
        (formation.comment + u'\t' + formation.lists.Joined() + u'\t' + commander).toUtf8();
    const QByteArray checked = payload + Check(payload);
    return Prefix() + QString::fromLatin1(checked.toBase64(kEncoding));
}

std::optional<SharedFormation> FindShareCode(const QString& text) {
    static const QRegularExpression code(QRegularExpression::escape(Prefix()) +
                                         QStringLiteral("([A-Za-z0-9_-]+)"));
    std::optional<SharedFormation> found;
    for (auto match = code.globalMatch(text); match.hasNext();) {
        if (std::optional<SharedFormation> decoded = Decode(match.next().captured(1)))
            found = std::move(decoded);
    }
    return found;
}

}  // namespace velmora
