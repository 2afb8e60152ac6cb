// The process-wide catalogue of variable names behind every ZelVariable
// selector, and the prefix index that answers "first name starting with".
#ifndef XY_SPREADSHEET_VARIABLE_CATALOGUE_H
#define XY_SPREADSHEET_VARIABLE_CATALOGUE_H

#include <QAbstractListModel>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace xy_cells {

// Answers "index of the first name that starts with prefix" the way
// QAbstractItemModel::match(.., Qt::MatchStartsWith [| MatchCaseSensitive])
// does, in O(log n) per query: the names sorted by their comparison key give
// every prefix a contiguous range, and a min-tree over that order gives the
// lowest catalogue index in the range.
class PrefixIndex
{
public:
    PrefixIndex(const QStringList &names, Qt::CaseSensitivity cs);

    int firstStartingWith(const QString &prefix) const;

    // The comparison key of a text: the text itself when case matters,
    // otherwise the per-character case folding QString::startsWith uses.
    static QString keyOf(const QString &text, Qt::CaseSensitivity cs);

private:
    int lowestIndexIn(int from, int to) const;

    Qt::CaseSensitivity m_cs;
    int m_count = 0;
    int m_firstNonNull = -1;
    std::vector<QString> m_sortedKeys;
    std::vector<int> m_tree; // min-tree of catalogue indexes, leaves at m_count
};

class VariableCatalogue : public QAbstractListModel
{
public:
    static VariableCatalogue *instance();

    void setNames(const QStringList &names);
    const QStringList &names() const { return m_names; }
    int firstStartingWith(const QString &prefix, Qt::CaseSensitivity cs) const;
    // A change of the names keeps what the selectors chose: while the
    // model is about to be reset each hands in its chosen name, and on the
    // reset finds the row of the first entry of that name, or -1.
    void keepChoice(const QString &name) { m_kept.insert(name, -1); }
    int keptChoiceRow(const QString &name) const { return m_kept.value(name, -1); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // QComboBox::findData with MatchStartsWith lands here; the dialog runs it
    // for every selector it loads, so that case is answered from the index.
    QModelIndexList match(const QModelIndex &start, int role, const QVariant &value, int hits,
                          Qt::MatchFlags flags) const override;

private:
    QStringList m_names;
    // Built on the first query after a catalogue change, one per case mode.
    mutable std::unique_ptr<PrefixIndex> m_index[2];
    // The chosen names across a change: a hundred or so, looked up in one
    // pass over the new names.
    QHash<QString, int> m_kept;
};

} // namespace xy_cells

#endif // XY_SPREADSHEET_VARIABLE_CATALOGUE_H
