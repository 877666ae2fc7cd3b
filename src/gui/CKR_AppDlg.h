#pragma once
// The main window: menus, toolbar, the two drop-downs with "+"/"-", the list
// views, the progress bar and the status bar. Every menu item, key and button
// calls one session command; the session answers through the window port,
// which this window implements with real dialogs and widgets.

#include <map>
#include <memory>
#include <string>

#include <QMainWindow>

#include "app/Session.h"
#include "app/WindowPort.h"
#include "gui/CommandTable.h"
#include "gui/ShellLayout.h"

class CListCtrl_Backgroundmusic;
class CListCtrl_Playlist;
class CListCtrl_Snd_Lib;
class SoundListView;
class QAction;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QToolBar;

class CKR_AppDlg : public QMainWindow, public WindowPort {
    Q_OBJECT
public:
    // `programFolder` ends with a separator; see Session. `edition` is the
    // edition this window belongs to: its Language menu starts the other.
    explicit CKR_AppDlg(std::string programFolder, Edition edition = Edition::English, QWidget* parent = nullptr);
    ~CKR_AppDlg() override;

    Session& session() { return *session_; }
    // The menu item or toolbar action of a command.
    QAction* action(CommandId id) const { return actions_.at(id); }

    // --- WindowPort ----------------------------------------------------------
    void ShowMessage(const UserMessage& message) override;
    bool Confirm() override;
    bool ConfirmReplace(const std::string& path) override;
    bool ConfirmLeaveUnsaved() override;
    std::optional<std::string> ChooseFile(const FileChoice& choice) override;
    std::optional<std::vector<std::string>> ChooseFiles(const std::string& filter) override;
    std::optional<int> ChooseLibrarySound(const CSoundList& library) override;
    std::optional<int> ChooseSilenceLength(int equationSize) override;
    std::optional<int> ChooseSamplingRate(int highestRate) override;
    std::optional<COptions> EditOptions(const COptions& options) override;
    std::optional<CKey> EditKeys(const CKey& keys, int controlMode) override;
    std::optional<CEquation> EditEquations(const CEquation& equations, int controlMode) override;
    std::optional<PreparationRequest> ChoosePreparation(bool loadPossible) override;
    std::optional<SpokenPromptsRequest> ChooseSpokenPrompts(bool loadPossible, PromptPlayer play) override;
    int SelectedRow(View view) override;
    void RebuildView(View view) override;
    void ClearView(View view) override;
    void RemoveRow(View view, int row) override;
    void ShowRow(View view, int row) override;
    void SetTitle(const std::string& title) override;
    void ShowEditingEnabled(bool on) override;
    void ShowCurrentEquation(int number) override;
    void EnableBackgroundMusicView(bool on) override;
    void SetModeCheck(int controlMode) override;
    void ShowFlashUsage(const std::string& total, const std::string& percent) override;
    void ShowEquationSize(const std::string& size) override;
    void ShowProgress(int upper, int position) override;
    void OpenDocument(const std::string& path, std::function<void()> failed) override;
    void RunOnWindowThread(std::function<void()> work) override;

protected:
    // Closing asks the session to save; a failed save keeps the window open.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenusAndToolbar();
    void createCharacterKeys();
    void placeControls();
    // Runs a menu, toolbar or key command; the project is written after it
    // when it changed, so the disk holds what the window shows.
    void runCommand(CommandId id);
    void dispatch(CommandId id);
    void switchToEdition(Edition edition);
    SoundListView& listView(View view) const;

    const Edition edition_;
    // Made before the views, which hold a reference to it, and destroyed
    // before them.
    std::unique_ptr<Session> session_;
    ShellLayout layout_;
    QWidget* client_;
    QToolBar* toolBar_;
    QLabel* equationLabel_;
    QComboBox* equationList_;
    QPushButton* nextButton_;
    QPushButton* previousButton_;
    QLabel* flashLabel_;
    QComboBox* flashList_;
    CListCtrl_Snd_Lib* library_;
    CListCtrl_Playlist* playlist_;
    CListCtrl_Backgroundmusic* backgroundMusic_;
    QProgressBar* progress_;
    QStatusBar* statusBar_;
    QLabel* soundLengthPane_;
    QLabel* flashUsedPane_;
    QLabel* equationSizePane_;
    std::map<CommandId, QAction*> actions_;
    // Set by the other-language edition's start: the window then closes
    // without the session's Exit, which has already saved.
    bool leaving_ = false;
};
