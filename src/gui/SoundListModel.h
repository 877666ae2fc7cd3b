#pragma once
// The rows of one list view: the texts of a sound list, taken at each
// rebuild. The session's lists are linked lists, so the rows are copied once
// rather than walked for every cell painted.

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

#include "model/Sound.h"

struct ViewColumn;

class SoundListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Format { Library, Playlist };

    explicit SoundListModel(Format format, QObject* parent = nullptr);

    const std::vector<ViewColumn>& columns() const;

    // Rows made from `list`, in its order.
    void setRows(const CSoundList& list);
    void clear();
    void removeRowAt(int row);
    // A row's texts, column by column.
    const QStringList& rowTexts(int row) const { return rows_[row]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QStringList rowFor(int index, const CSound& sound) const;

    const Format format_;
    std::vector<QStringList> rows_;
    std::vector<CSound> sounds_;  // what each row shows
};
