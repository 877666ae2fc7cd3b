#include "gui/SoundListModel.h"

#include <iterator>

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

QStringList SoundListModel::rowFor(int index, const CSound& sound) const
{
    return format_ == Format::Library
               ? ToQt(LibraryRowTexts(index, sound), 1)
               : ToQt(PlaylistRowTexts(index, sound), sound.kind != CSound::kSilence ? 2 : kNoName);
}

void SoundListModel::setRows(const CSoundList& list)
{
    // A list that only grew (Load appends its sounds one by one, with a
    // rebuild after each) gets its new rows added: making every row anew
    // each time would cost the square of their number.
    size_t kept = 0;
    for (auto it = list.begin(); it != list.end() && kept < sounds_.size() && *it == sounds_[kept]; ++it)
        ++kept;
    if (kept == sounds_.size() && size_t(list.count()) > kept) {
        beginInsertRows({}, int(kept), list.count() - 1);
        int index = int(kept);
        for (auto it = std::next(list.begin(), std::ptrdiff_t(kept)); it != list.end(); ++it, ++index) {
            rows_.push_back(rowFor(index, *it));
            sounds_.push_back(*it);
        }
        endInsertRows();
        return;
    }
    beginResetModel();
    rows_.clear();
    sounds_.clear();
    rows_.reserve(list.count());
    int index = 0;
    for (const CSound& sound : list) {
        rows_.push_back(rowFor(index++, sound));
        sounds_.push_back(sound);
    }
    endResetModel();
}

void SoundListModel::clear()
{
    beginResetModel();
    rows_.clear();
    sounds_.clear();
    endResetModel();
}

void SoundListModel::removeRowAt(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    sounds_.erase(sounds_.begin() + row);
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
