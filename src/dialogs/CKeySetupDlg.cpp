#include "dialogs/CKeySetupDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/KeyGrid.h"
#include "dialogs/OkCancelButtons.h"
#include "model/RecordNames.h"

namespace {

// Which lists a control mode lets the user change, and which of the others
// show a fixed entry instead of the stored function.
struct KeyModeRule {
    KeySet enabled;
    KeySet fixed;
    int fixedEntry;
};

KeyModeRule RuleOf(int controlMode)
{
    switch (controlMode) {
    case kOneLine:
        return {KeyRange(1, 3) | KeyRange(5, 10), 0, 0};
    case kThreeLine:
        return {0, KeyRange(1, 3), kNoFunction};
    case kMp3:
        return {0, KeyRange(7, 10), kNoFunction};
    case kMatrix3x8:
        return {0, KeyRange(1, kKeyCount), kEdgeRetrigger};
    case kParallelPort:
        return {KeyRange(1, 1), 0, 0};
    case kExtended:
    case kKeyMode:
        return {KeyRange(1, 10), 0, 0};
    default:
        return {KeyRange(1, kKeyCount), 0, 0};
    }
}

QString KeyLabel(int key)
{
    // Keys 4 to 6 are labelled in lower case.
    return (key >= 4 && key <= 6 ? QStringLiteral("key %1") : QStringLiteral("Key %1")).arg(key);
}

}  // namespace

CKeySetupDlg::CKeySetupDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Key Setup"));
    auto* grid = new QGridLayout;
    for (int key = 1; key <= kKeyCount; ++key) {
        auto* list = new QComboBox;
        for (const char* name : kKeyFunctionNames)
            list->addItem(QString::fromLatin1(name));
        lists_[key - 1] = list;
        PlaceKeyControl(grid, key, KeyLabel(key), list);
        connect(list, &QComboBox::activated, this, [this, key](int index) { keys_.keyFunction[key - 1] = index; });
    }

    const OkCancelButtons buttons = MakeOkCancelButtons();
    connect(buttons.ok, &QPushButton::clicked, this, [this] { done(kOk); });
    connect(buttons.cancel, &QPushButton::clicked, this, [this] { done(kCancel); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CKeySetupDlg::setKeys(const CKey& keys, int controlMode)
{
    keys_ = keys;
    const KeyModeRule rule = RuleOf(controlMode);
    for (int key = 1; key <= kKeyCount; ++key) {
        QComboBox* list = lists_[key - 1];
        // A code outside the list (a damaged file) shows no entry.
        const int stored = keys.keyFunction[key - 1];
        list->setCurrentIndex(stored >= 0 && stored < list->count() ? stored : -1);
        list->setEnabled(Contains(rule.enabled, key));
        // Only shown: the stored function is returned unchanged.
        if (Contains(rule.fixed, key))
            list->setCurrentIndex(rule.fixedEntry);
    }
}
