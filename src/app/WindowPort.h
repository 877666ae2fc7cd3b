#pragma once
// What the session needs from the window it runs in. The desktop program
// implements it with real dialogs and widgets, the command-line tool and the
// tests with scripted answers. Every call is made on the window's thread,
// except RunOnWindowThread, which the preview workers use to get there.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/PromptRequests.h"
#include "model/Records.h"
#include "model/Sound.h"
#include "support/UserMessage.h"

inline constexpr const char* kLeaveUnsavedQuestion =
    "The project could not be saved. Leave it anyway and lose the changes since it was last saved?";

// The three list views of the main window.
enum class View { Library, Playlist, BackgroundMusic };

// A single-file open or save dialog.
struct FileChoice {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    // In the "Description(*.a)|*.a|Other(*.b)|*.b||" form the system has
    // always used; a front end turns it into its own.
    std::string filter;
    // Added to a saved file's name when the user typed none ("winproj").
    std::string defaultExtension;
    // The file or folder the dialog starts at; empty for the dialog's own.
    std::string initialPath;
};

class WindowPort {
public:
    virtual ~WindowPort() = default;

    // Messages and questions.
    virtual void ShowMessage(const UserMessage& message) = 0;
    // The Confirm dialog: true only for its OK button.
    virtual bool Confirm() = 0;
    // The platform's question before a file is replaced: true to replace.
    virtual bool ConfirmReplace(const std::string& path) = 0;
    // kLeaveUnsavedQuestion, asked after the save on leaving a project
    // failed: true to leave all the same. No is the default.
    virtual bool ConfirmLeaveUnsaved() = 0;

    // File dialogs. Paths are full paths; nothing when cancelled.
    virtual std::optional<std::string> ChooseFile(const FileChoice& choice) = 0;
    // The library's Load dialog: several files of one folder, in the dialog's
    // order; nothing when cancelled.
    virtual std::optional<std::vector<std::string>> ChooseFiles(const std::string& filter) = 0;

    // The small dialogs; nothing when cancelled.
    virtual std::optional<int> ChooseLibrarySound(const CSoundList& library) = 0;
    virtual std::optional<int> ChooseSilenceLength(int equationSize) = 0;
    virtual std::optional<int> ChooseSamplingRate(int highestRate) = 0;

    // The setup dialogs: the values to apply, nothing when the dialog ended
    // through its Cancel button.
    virtual std::optional<COptions> EditOptions(const COptions& options) = 0;
    virtual std::optional<CKey> EditKeys(const CKey& keys, int controlMode) = 0;
    virtual std::optional<CEquation> EditEquations(const CEquation& equations, int controlMode) = 0;

    // The prompt dialogs; nothing when cancelled, which is all a front end
    // without them answers. `loadPossible` offers loading the results (a
    // project is open). The Spoken Prompts dialog plays a row through
    // `play` (text, voice, rate).
    virtual std::optional<PreparationRequest> ChoosePreparation(bool /*loadPossible*/) { return std::nullopt; }
    using PromptPlayer = std::function<void(const std::string&, const std::string&, int)>;
    virtual std::optional<SpokenPromptsRequest> ChooseSpokenPrompts(bool /*loadPossible*/, PromptPlayer /*play*/)
    {
        return std::nullopt;
    }

    // The list views: the selected row (-1 for none), a rebuild from the
    // session's model (no row selected afterwards), all rows removed.
    virtual int SelectedRow(View view) = 0;
    virtual void RebuildView(View view) = 0;
    virtual void ClearView(View view) = 0;
    // Removes one row at once, before the rebuild that follows a delete.
    virtual void RemoveRow(View view, int row) = 0;
    // Scrolls a view so that the row is in sight.
    virtual void ShowRow(View view, int row) = 0;

    // Window state.
    virtual void SetTitle(const std::string& title) = 0;
    // Enables or greys the project commands, the two drop-downs and "+"/"-".
    virtual void ShowEditingEnabled(bool on) = 0;
    virtual void ShowCurrentEquation(int number) = 0;
    virtual void EnableBackgroundMusicView(bool on) = 0;
    // The Mode menu's check mark on one control mode's item.
    virtual void SetModeCheck(int controlMode) = 0;
    // The status bar's panes: the flash usage, and the current equation's
    // size against its limit. Empty texts while no project is open.
    virtual void ShowFlashUsage(const std::string& total, const std::string& percent) = 0;
    virtual void ShowEquationSize(const std::string& size) = 0;
    virtual void ShowProgress(int upper, int position) = 0;

    // Opens a document with the desktop's default viewer; `failed` runs on
    // the window's thread, perhaps later, when no viewer could show it.
    virtual void OpenDocument(const std::string& path, std::function<void()> failed) = 0;

    // Runs `work` on the window's thread later and returns at once. The
    // preview workers reach the window only this way.
    virtual void RunOnWindowThread(std::function<void()> work) = 0;
};
