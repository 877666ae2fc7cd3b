#include "gui/SoundListModel.h"

#include "app/ViewRows.h"
#include "gui/EditionTranslation.h"
#include "model/Sound.h"
#include "support/Paths.h"

SoundListModel::SoundListModel(Format format, QObject* parent) : QAbstractTableModel(parent), format_(format) {}

const std::vector<ViewColumn>& SoundListModel::columns() const
{
    return format_ == Format::Library ? LibraryViewColumns() : PlaylistViewColumns();
}

// A row as the running edition shows it. The file name in column
// `nameColumn` stays as it is; the other texts ("STEREO", "100 ms", ...) are
// the program's own.
constexpr size_t kNoName = SIZE_MAX;

template <size_t N> static QStringList ToQt(const std::array<std::string, N>& texts, size_t nameColumn)
{
    QStringList row;
    for (size_t i = 0; i < N; ++i) {
        const QString text = ToQtPath(texts[i]);  // names are file names in the platform's encoding
        row.append(i == nameColumn ? text : DisplayText(text));
    }
    return row;
}

void SoundListModel::setRows(const CSoundList& list)
{
    beginResetModel();
    rows_.clear();
    rows_.reserve(list.count());
    int index = 0;
    for (const CSound& sound : list) {
        rows_.push_back(format_ == Format::Library
                            ? ToQt(LibraryRowTexts(index, sound), 1)
                            : ToQt(PlaylistRowTexts(index, sound), sound.kind != CSound::kSilence ? 2 : kNoName));
        ++index;
    }
    endResetModel();
}

void SoundListModel::clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void SoundListModel::removeRowAt(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

int SoundListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SoundListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns().size());
}

QVariant SoundListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return rows_[index.row()].value(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

QVariant SoundListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return DisplayText(QString::fromLatin1(columns()[section].title));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

Qt::ItemFlags SoundListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Whether a drag may start is the view's to decide.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}
