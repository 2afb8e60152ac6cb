#include "variable_catalogue.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <numeric>
#include <utility>

namespace xy_cells {

namespace {

VariableCatalogue *theCatalogue = nullptr;

// The catalogue goes with the application, while the application can still
// take the news: selectors, their popup lists and their finders' filters
// hang off it, and a host may keep its dialogs past the application (or
// never delete them). Left to the end of the process, the catalogue would
// tell those views of its end through a gone application.
void dropCatalogue()
{
    // The same holds for a picker's list or a finder's offers the user left
    // open, and for a selector that still has the keyboard focus: deleted
    // after the application, each would report closing or losing the focus
    // to it.
    QWidget *closed = nullptr;
    while (QWidget *popup = QApplication::activePopupWidget()) {
        if (popup == closed)
            break; // it would not go
        closed = popup;
        popup->close();
    }
    if (QWidget *focus = QApplication::focusWidget())
        focus->clearFocus();
    delete std::exchange(theCatalogue, nullptr);
}

// First position of the sorted keys that is not below key.
int lowerBound(const std::vector<QString> &keys, const QString &key)
{
    return int(std::lower_bound(keys.begin(), keys.end(), key) - keys.begin());
}

} // namespace

QString PrefixIndex::keyOf(const QString &text, Qt::CaseSensitivity cs)
{
    if (cs == Qt::CaseSensitive)
        return text;
    // QString::startsWith without regard to case folds each code point on its
    // own (simple folding, length preserving), so the key does the same.
    QString key;
    key.reserve(text.size());
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            const uint folded = QChar::toCaseFolded(QChar::surrogateToUcs4(c, text.at(i + 1)));
            key.append(QChar(QChar::highSurrogate(folded)));
            key.append(QChar(QChar::lowSurrogate(folded)));
            ++i;
        } else {
            key.append(QChar(ushort(QChar::toCaseFolded(uint(c.unicode())))));
        }
    }
    return key;
}

PrefixIndex::PrefixIndex(const QStringList &names, Qt::CaseSensitivity cs)
    : m_cs(cs)
    , m_count(names.size())
{
    std::vector<int> order(static_cast<size_t>(m_count));
    std::iota(order.begin(), order.end(), 0);
    std::vector<QString> keys;
    keys.reserve(size_t(m_count));
    for (const QString &name : names) {
        if (m_firstNonNull < 0 && !name.isNull())
            m_firstNonNull = int(keys.size());
        keys.push_back(keyOf(name, cs));
    }
    std::sort(order.begin(), order.end(),
              [&keys](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });

    m_sortedKeys.reserve(size_t(m_count));
    m_tree.assign(size_t(2 * m_count), 0);
    for (int pos = 0; pos < m_count; ++pos) {
        m_sortedKeys.push_back(std::move(keys[size_t(order[size_t(pos)])]));
        m_tree[size_t(m_count + pos)] = order[size_t(pos)];
    }
    for (int node = m_count - 1; node > 0; --node)
        m_tree[size_t(node)] = std::min(m_tree[size_t(2 * node)], m_tree[size_t(2 * node + 1)]);
}

int PrefixIndex::lowestIndexIn(int from, int to) const
{
    int best = m_count;
    for (int l = from + m_count, r = to + m_count; l < r; l /= 2, r /= 2) {
        if (l & 1)
            best = std::min(best, m_tree[size_t(l++)]);
        if (r & 1)
            best = std::min(best, m_tree[size_t(--r)]);
    }
    return best == m_count ? -1 : best;
}

int PrefixIndex::firstStartingWith(const QString &prefix) const
{
    if (m_count == 0)
        return -1;
    if (prefix.isEmpty()) {
        // Every name starts with the null text; an empty text is not a
        // prefix of a null name.
        return prefix.isNull() ? 0 : m_firstNonNull;
    }
    const QString key = keyOf(prefix, m_cs);
    // Keys that start with the prefix follow each other from the first key
    // not below it.
    const int from = lowerBound(m_sortedKeys, key);
    const auto end = std::partition_point(m_sortedKeys.begin() + from, m_sortedKeys.end(),
                                          [&key](const QString &k) { return k.startsWith(key); });
    const int to = int(end - m_sortedKeys.begin());
    return from < to ? lowestIndexIn(from, to) : -1;
}

VariableCatalogue *VariableCatalogue::instance()
{
    if (!theCatalogue) {
        theCatalogue = new VariableCatalogue;
        qAddPostRoutine(dropCatalogue);
    }
    return theCatalogue;
}

void VariableCatalogue::setNames(const QStringList &names)
{
    beginResetModel(); // the selectors hand in their choices
    m_names = names;
    m_index[0].reset();
    m_index[1].reset();
    int missing = m_kept.size();
    for (int row = 0; missing > 0 && row < m_names.size(); ++row) {
        const auto kept = m_kept.find(m_names.at(row));
        if (kept != m_kept.end() && *kept < 0) {
            *kept = row;
            --missing;
        }
    }
    endResetModel(); // and take them back
    m_kept.clear();
}

int VariableCatalogue::firstStartingWith(const QString &prefix, Qt::CaseSensitivity cs) const
{
    std::unique_ptr<PrefixIndex> &index = m_index[cs == Qt::CaseSensitive ? 1 : 0];
    if (!index)
        index.reset(new PrefixIndex(m_names, cs));
    return index->firstStartingWith(prefix);
}

int VariableCatalogue::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_names.size();
}

QVariant VariableCatalogue::data(const QModelIndex &index, int role) const
{
    // Combo boxes ask for the text of their current item even when there is
    // none, so an invalid index is an ordinary question here.
    if (!index.isValid() || index.model() != this || index.column() != 0
        || index.row() >= m_names.size())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_names.at(index.row());
    return QVariant();
}

QModelIndexList VariableCatalogue::match(const QModelIndex &start, int role, const QVariant &value,
                                         int hits, Qt::MatchFlags flags) const
{
    const int matchType = int(flags) & 0x0F; // the match type bits of Qt::MatchFlags
    const Qt::MatchFlags indexed =
        Qt::MatchStartsWith | Qt::MatchCaseSensitive | Qt::MatchWrap | Qt::MatchRecursive;
    // Only "first hit from the top" is answered from the index; wrapping
    // changes nothing when the search starts at row 0.
    if (hits != 1 || start.model() != this || start.row() != 0 || start.column() != 0
        || (role != Qt::DisplayRole && role != Qt::EditRole) || matchType != Qt::MatchStartsWith
        || (flags & ~indexed)) {
        return QAbstractListModel::match(start, role, value, hits, flags);
    }
    const int row =
        firstStartingWith(value.toString(), (flags & Qt::MatchCaseSensitive) ? Qt::CaseSensitive
                                                                             : Qt::CaseInsensitive);
    if (row < 0)
        return QModelIndexList();
    return QModelIndexList{index(row, 0)};
}

} // namespace xy_cells
