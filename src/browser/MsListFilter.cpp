#include "browser/MsListFilter.h"

#include "catalogue/NumberText.h"

namespace velmora {

namespace {

bool StartsWith(const QString& text, QChar c) { return !text.isEmpty() && text.front() == c; }

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

bool MsListFilter::Passes(const typMsData& unit, const QString& factionMark) const {
    if (!FactionPasses(factionMark)) return false;
    if (Toggle(ListToggle::Star) && !unit.MsName.contains(u'☆')) return false;
    return TerrainPasses(unit) && CategoryPasses(unit) && KeywordPasses(unit);
}

bool MsListFilter::FactionPasses(const QString& factionMark) const {
    if (factionMark == u"ジ") return armyIndex_ == 1 || armyIndex_ == 2;
    if (factionMark == u"連") return armyIndex_ == 0 || armyIndex_ == 2;
    return false;
}

bool MsListFilter::TerrainPasses(const typMsData& unit) const {
    const bool general = Toggle(ListToggle::General);
    const bool earth = Toggle(ListToggle::Earth);
    const bool space = Toggle(ListToggle::Space);
    if (!general && !earth && !space) return true;
    const QString& area = unit.MoveArea;
    return (general && area.contains(u'汎')) || (space && StartsWith(area, u'宇')) ||
           (earth && StartsWith(area, u'地'));
}

bool MsListFilter::CategoryPasses(const typMsData& unit) const {
    const bool mass = Toggle(ListToggle::MassProduction);
    const bool ace = Toggle(ListToggle::Ace);
    const bool exclusive = Toggle(ListToggle::Private);
    const bool limit = Toggle(ListToggle::Limit);
    const bool nt = Toggle(ListToggle::Nt);
    if (!mass && !ace && !exclusive && !limit && !nt) return true;
    const QString& category = unit.Restriction;
    return (mass && StartsWith(category, u'量')) || (ace && StartsWith(category, u'一')) ||
           (exclusive && StartsWith(category, u'専')) || (limit && StartsWith(category, u'限')) ||
           (nt && category.contains(u'Ｎ'));
}

bool MsListFilter::KeywordPasses(const typMsData& unit) const {
    for (qsizetype i = 0; i < words_.size(); ++i) {
        const QString& word = words_[i];
        const QString& narrow = narrowWords_[i];
        const bool matches = unit.MsName.contains(word) || word == unit.Weight ||
                             unit.MsName.contains(narrow) || narrow == unit.Weight;
        if (!matches) return false;
    }
    return true;
}

}  // namespace velmora
