// The window port of the main window: the session's questions as real
// dialogs, its view and window changes as widget changes.

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QUrl>

#include "dialogs/CAddSilenceDlg.h"
#include "dialogs/CConfirmDlg.h"
#include "dialogs/CEquationSetupDlg.h"
#include "dialogs/CKeySetupDlg.h"
#include "dialogs/COptionsDlg.h"
#include "dialogs/CPrepareSoundsDlg.h"
#include "dialogs/CSpokenPromptsDlg.h"
#include "dialogs/CSamplingDlg.h"
#include "dialogs/CSoundLibraryDlg.h"
#include "dialogs/DialogMessage.h"
#include "gui/CKR_AppDlg.h"
#include "gui/CListCtrl_Backgroundmusic.h"
#include "gui/CListCtrl_Playlist.h"
#include "gui/CListCtrl_Snd_Lib.h"
#include "gui/EditionTranslation.h"
#include "gui/FileDialogFilter.h"
#include "support/Paths.h"

namespace {

// The core's texts are byte strings in the system's encoding, file names
// included, shown as the running edition shows them.
QString Text(const std::string& bytes) { return DisplayText(QString::fromLocal8Bit(bytes)); }

QString CaptionText(Caption caption)
{
    switch (caption) {
    case Caption::Product:
        return DisplayText(QString::fromLatin1(kProductCaption));
    case Caption::ApplicationName:
        return ApplicationNameCaption();
    case Caption::Error:
        return DisplayText(QStringLiteral("Error"));
    }
    return {};
}

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

SoundListView& CKR_AppDlg::listView(View view) const
{
    switch (view) {
    case View::Library:
        return *library_;
    case View::Playlist:
        return *playlist_;
    case View::BackgroundMusic:
        break;
    }
    return *backgroundMusic_;
}

void CKR_AppDlg::ShowMessage(const UserMessage& message)
{
    QMessageBox box(BoxIcon(message.icon), CaptionText(message.caption), Text(message.text), QMessageBox::Ok, this);
    box.exec();
}

bool CKR_AppDlg::Confirm()
{
    CConfirmDlg dialog(this);
    return dialog.exec() == CConfirmDlg::kConfirmed;
}

bool CKR_AppDlg::ConfirmReplace(const std::string& path)
{
    const QString name = QFileInfo(ToQtPath(path)).fileName();
    return QMessageBox::question(this, CaptionText(Caption::Product),
                                 DisplayText(name + QStringLiteral(" already exists.\nDo you want to replace it?")),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool CKR_AppDlg::ConfirmLeaveUnsaved()
{
    return QMessageBox::question(this, CaptionText(Caption::Product), Text(kLeaveUnsavedQuestion),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> CKR_AppDlg::ChooseFile(const FileChoice& choice)
{
    const QString start = ToQtPath(choice.initialPath);
    const QString filter = QtFileFilter(choice.filter);
    if (choice.kind == FileChoice::Kind::Open) {
        const QString path = QFileDialog::getOpenFileName(this, {}, start, filter);
        if (path.isEmpty())
            return std::nullopt;
        return FromQtPath(path);
    }
    // The session asks before it replaces anything: New's chosen name is
    // a folder, which Qt would take for the file about to be replaced.
    const QString path =
        QFileDialog::getSaveFileName(this, {}, start, filter, nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return std::nullopt;
    return WithDefaultExtension(FromQtPath(path), choice.defaultExtension);
}

std::optional<std::vector<std::string>> CKR_AppDlg::ChooseFiles(const std::string& filter)
{
    const QStringList paths = QFileDialog::getOpenFileNames(this, {}, {}, QtFileFilter(filter));
    if (paths.isEmpty())
        return std::nullopt;
    std::vector<std::string> chosen;
    for (const QString& path : paths)
        chosen.push_back(FromQtPath(path));
    return chosen;
}

std::optional<int> CKR_AppDlg::ChooseLibrarySound(const CSoundList& library)
{
    CSoundLibraryDlg dialog(this);
    dialog.setLibrary(library);
    const int result = dialog.exec();
    if (result == CSoundLibraryDlg::kCancelled)
        return std::nullopt;
    return result;
}

std::optional<int> CKR_AppDlg::ChooseSilenceLength(int equationSize)
{
    CAddSilenceDlg dialog(equationSize, this);
    const int result = dialog.exec();
    if (result == CAddSilenceDlg::kCancelled)
        return std::nullopt;
    return result;
}

std::optional<int> CKR_AppDlg::ChooseSamplingRate(int highestRate)
{
    CSamplingDlg dialog(highestRate, this);
    if (dialog.exec() != CSamplingDlg::kChosen)
        return std::nullopt;
    return dialog.chosenRate();
}

std::optional<COptions> CKR_AppDlg::EditOptions(const COptions& options)
{
    COptionsDlg dialog(this);
    dialog.setOptions(options);
    if (dialog.exec() == COptionsDlg::kCancel)
        return std::nullopt;
    return dialog.options();
}

std::optional<PreparationRequest> CKR_AppDlg::ChoosePreparation(bool loadPossible)
{
    CPrepareSoundsDlg dialog(loadPossible, this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

std::optional<SpokenPromptsRequest> CKR_AppDlg::ChooseSpokenPrompts(bool loadPossible, PromptPlayer play)
{
    std::string error;
    const std::vector<SpeechVoice> voices = ListSpeechVoices(&error);
    if (!error.empty()) {
        ShowMessage({error, Caption::Error, MessageIcon::Error});
        return std::nullopt;
    }
    CSpokenPromptsDlg dialog(voices, loadPossible, std::move(play), this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

std::optional<CKey> CKR_AppDlg::EditKeys(const CKey& keys, int controlMode)
{
    CKeySetupDlg dialog(this);
    dialog.setKeys(keys, controlMode);
    if (dialog.exec() == CKeySetupDlg::kCancel)
        return std::nullopt;
    return dialog.keys();
}

std::optional<CEquation> CKR_AppDlg::EditEquations(const CEquation& equations, int controlMode)
{
    CEquationSetupDlg dialog(this);
    dialog.setValues(equations, controlMode);
    if (dialog.exec() == CEquationSetupDlg::kCancel)
        return std::nullopt;
    return dialog.values();
}

int CKR_AppDlg::SelectedRow(View view)
{
    return listView(view).selectedRow();
}

void CKR_AppDlg::RebuildView(View view)
{
    listView(view).rebuild();
}

void CKR_AppDlg::ClearView(View view)
{
    listView(view).clearRows();
}

void CKR_AppDlg::RemoveRow(View view, int row)
{
    listView(view).removeRow(row);
}

void CKR_AppDlg::ShowRow(View view, int row)
{
    SoundListView& list = listView(view);
    list.scrollTo(list.model()->index(row, 0));
}

void CKR_AppDlg::SetTitle(const std::string& title) { setWindowTitle(Text(title)); }

void CKR_AppDlg::ShowEditingEnabled(bool on)
{
    // The toolbar's Compile and Options buttons share their menu items'
    // actions, and so their enabling.
    for (const Command& command : kCommands) {
        if (command.projectCommand)
            action(command.id)->setEnabled(on);
    }
    for (QWidget* widget : std::initializer_list<QWidget*>{equationList_, flashList_, nextButton_, previousButton_})
        widget->setEnabled(on);
}

void CKR_AppDlg::ShowCurrentEquation(int number)
{
    // The session already knows: showing it must not select it again.
    const QSignalBlocker quiet(equationList_);
    equationList_->setCurrentIndex(number);
}

void CKR_AppDlg::EnableBackgroundMusicView(bool on)
{
    backgroundMusic_->setEnabled(on);
    QAction* show = action(ID_VIEW_BACKGROUND_MUSIC);
    show->setEnabled(on);
    // A greyed view would cover the library's top rows with no way to put
    // it away: it goes, and comes back only when asked for.
    if (!on) {
        show->setChecked(false);
        backgroundMusic_->hide();
    }
}

void CKR_AppDlg::SetModeCheck(int controlMode)
{
    const auto isMode = [controlMode](const Command& c) { return ModeOfCommand(c.id) == controlMode; };
    // A mode without an item (Extended) leaves the marks as they are.
    if (std::none_of(kCommands.begin(), kCommands.end(), isMode))
        return;
    for (const Command& command : kCommands) {
        if (ModeOfCommand(command.id))
            action(command.id)->setChecked(isMode(command));
    }
}

void CKR_AppDlg::ShowFlashUsage(const std::string& total, const std::string& percent)
{
    // Without a project the panes say what they will show.
    soundLengthPane_->setText(total.empty() ? DisplayText(QStringLiteral("Sound Length")) : Text(total));
    flashUsedPane_->setText(percent.empty() ? DisplayText(QStringLiteral("Flash Used")) : Text(percent));
}

void CKR_AppDlg::ShowEquationSize(const std::string& size)
{
    equationSizePane_->setText(Text(size));
}

void CKR_AppDlg::ShowProgress(int upper, int position)
{
    // An empty range would make Qt's bar a busy indicator: show it empty.
    const int top = std::max(upper, 1);
    // The bar repaints itself, and whatever else waits to be painted, at once
    // whenever its value moves a pixel; it is painted with the rest of the
    // window instead.
    progress_->setUpdatesEnabled(false);
    progress_->setRange(0, top);
    progress_->setValue(std::clamp(position, 0, top));
    progress_->setUpdatesEnabled(true);
    // Compile and Load call this from one long step on the window's thread.
    // Now and then the window gets to paint and handle everything but the
    // user's input, so that it never freezes and the bar moves; painting at
    // every call would cost more than the work it shows.
    if (pumpClock_.isValid() && pumpClock_.elapsed() < kPumpIntervalMs)
        return;
    pumping_ = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    pumping_ = false;
    pumpClock_.start();
}

void CKR_AppDlg::OpenDocument(const std::string& path, std::function<void()> failed)
{
    const QString file = ToQtPath(path);
    if (!QFileInfo(file).isFile()) {
        failed();
        return;
    }
    // The desktop's opener ends with an error when no viewer takes the
    // file, which QDesktopServices, starting it detached, never hears of.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
            failed();
        return;
    }
    auto* process = new QProcess(this);
    connect(process, &QProcess::finished, this, [process, failed](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            failed();
        process->deleteLater();
    });
    connect(process, &QProcess::errorOccurred, this, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        failed();
        process->deleteLater();
    });
    process->start(opener, {file});
}

void CKR_AppDlg::RunOnWindowThread(std::function<void()> work)
{
    QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}
