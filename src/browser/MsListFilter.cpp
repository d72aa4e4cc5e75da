#include "browser/MsListFilter.h"

#include "catalogue/NumberText.h"

#include <algorithm>

namespace velmora {

namespace {

using RowTraits = MsListFilter::RowTraits;

constexpr RowTraits kFederation = 1u << kListToggleCount;
constexpr RowTraits kZeon = 1u << (kListToggleCount + 1);

constexpr RowTraits Bit(ListToggle toggle) { return RowTraits(1u << int(toggle)); }

constexpr RowTraits kTerrain =
    Bit(ListToggle::General) | Bit(ListToggle::Earth) | Bit(ListToggle::Space);
constexpr RowTraits kCategory = Bit(ListToggle::MassProduction) | Bit(ListToggle::Ace) |
                                Bit(ListToggle::Private) | Bit(ListToggle::Limit) |
                                Bit(ListToggle::Nt);
constexpr RowTraits kStar = Bit(ListToggle::Star);

bool StartsWith(QStringView text, QChar c) { return !text.isEmpty() && text.front() == c; }

// QStringView::contains goes through the general search, which costs more than these short
// texts: a list works out every row's traits at its first fill.
bool Contains(QStringView text, QChar c) {
    return std::find(text.begin(), text.end(), c) != text.end();
}

}  // namespace

QString MsListFilter::RewriteSpaces(const QString& keyword) {
    QString text = keyword;
    text.replace(QChar(u'\u3000'), QChar(u' '));
    return text;
}

void MsListFilter::SetKeyword(const QString& keyword) {
    words_ = RewriteSpaces(keyword).split(QChar(u' '), Qt::SkipEmptyParts);
    narrowWords_.clear();
    for (const QString& word : std::as_const(words_)) narrowWords_.append(num::Narrow(word));
}

void MsListFilter::SetToggle(ListToggle toggle, bool on) {
    if (on)
        toggles_ |= Bit(toggle);
    else
        toggles_ &= RowTraits(~Bit(toggle));
}

RowTraits MsListFilter::AreaTraits(QStringView area) {
    RowTraits traits = 0;
    if (Contains(area, u'汎')) traits |= Bit(ListToggle::General);
    if (StartsWith(area, u'地')) traits |= Bit(ListToggle::Earth);
    if (StartsWith(area, u'宇')) traits |= Bit(ListToggle::Space);
    return traits;
}

RowTraits MsListFilter::CategoryTraits(QStringView category) {
    RowTraits traits = 0;
    if (StartsWith(category, u'量')) traits |= Bit(ListToggle::MassProduction);
    if (StartsWith(category, u'一')) traits |= Bit(ListToggle::Ace);
    if (StartsWith(category, u'専')) traits |= Bit(ListToggle::Private);
    if (StartsWith(category, u'限')) traits |= Bit(ListToggle::Limit);
    if (Contains(category, u'Ｎ')) traits |= Bit(ListToggle::Nt);
    return traits;
}

RowTraits MsListFilter::NameTraits(QStringView name) {
    return Contains(name, u'☆') ? Bit(ListToggle::Star) : RowTraits(0);
}

RowTraits MsListFilter::FactionTraits(QStringView factionMark) {
    if (factionMark == QStringView(u"連")) return kFederation;
    if (factionMark == QStringView(u"ジ")) return kZeon;
    return 0;
}

bool MsListFilter::PassesTraits(RowTraits traits) const {
    const RowTraits factions = armyIndex_ == 0   ? kFederation
                               : armyIndex_ == 1 ? kZeon
                               : armyIndex_ == 2 ? RowTraits(kFederation | kZeon)
                                                 : RowTraits(0);
    if (!(traits & factions)) return false;
    if ((toggles_ & kStar) && !(traits & kStar)) return false;
    // Within a group any toggle that is on will do; a group with every toggle off passes all.
    if ((toggles_ & kTerrain) && !(toggles_ & kTerrain & traits)) return false;
    if ((toggles_ & kCategory) && !(toggles_ & kCategory & traits)) return false;
    return true;
}

bool MsListFilter::KeywordPasses(QStringView name, QStringView weight) const {
    for (qsizetype i = 0; i < words_.size(); ++i) {
        const QString& word = words_[i];
        const QString& narrow = narrowWords_[i];
        const bool matches =
            name.contains(word) || word == weight || name.contains(narrow) || narrow == weight;
        if (!matches) return false;
    }
    return true;
}

}  // namespace velmora
