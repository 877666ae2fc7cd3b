#pragma once
// The session: the open project and the window state that is not part of it,
// with every user command as one method. It never shows anything itself; it
// talks to the user only through the window port, so the desktop program,
// the command-line tool and the tests drive the same commands.
//
// The commands are defined in one file per area: SessionProject.cpp (New,
// Open, Save, Save As, Close, Exit), SessionBuild.cpp (Compile, external BIN,
// conversion), SessionLibrary.cpp, SessionPlaylist.cpp,
// SessionBackgroundMusic.cpp, SessionSetup.cpp (Options, keys, equations,
// Mode menu), SessionTools.cpp (download tool, help, other edition).

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/OutsidePrograms.h"
#include "app/WindowPort.h"
#include "audio/PreviewHost.h"
#include "model/Project.h"

class PreviewPlayer;
class ProjectLock;

class Session : private PreviewHost {
public:
    // `programFolder` ends with a separator and holds the converter, the
    // support files and the outside programs.
    Session(WindowPort& port, std::string programFolder);
    // Stops any preview and waits for its workers before the session goes.
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // --- State, as the views and the tests read it --------------------------
    const Project& project() const { return project_; }
    bool projectOpen() const { return projectOpen_; }
    int currentEquation() const { return currentEquation_; }
    const CSoundList& currentEquationList() const { return project_.content.equations[currentEquation_]; }
    int flashSizeIndex() const { return flashSizeIndex_; }
    // Megabits of the "Flash :" selection.
    int flashMegabits() const;
    // Whether a view's context-menu commands are offered.
    bool commandsEnabled(View view) const;
    bool backgroundMusicViewEnabled() const { return backgroundMusicViewEnabled_; }
    const std::string& programFolder() const { return programFolder_; }
    // The preview player, for the tests' look at its state.
    PreviewPlayer& preview() { return *preview_; }

    // --- Project life cycle --------------------------------------------------
    void New();
    void Open();
    // Open on a file named outside the program (the desktop program's
    // argument): leaves the open project and opens `path` as Open does,
    // without the file dialog.
    void OpenFile(const std::string& path);
    void Save();
    void SaveAs();
    void Close();
    // Saves the open project; true when the program may end: the save
    // succeeded, or it failed and the user chose to leave all the same.
    bool Exit();
    // Makes a project that was read or written whole the open one, as Open
    // and New do once the file is read or written: title, equation 0,
    // editing, background-music view, Mode check, views. `lock` is the
    // project's lock, held while it stays open.
    void Adopt(Project project, std::shared_ptr<ProjectLock> lock = nullptr);
    // Writes the open project when it differs from what was last read or
    // written, so the disk holds what the window shows. The window runs it
    // after every command.
    void SaveIfChanged();

    // --- Main window ---------------------------------------------------------
    // "+" and "-" beside "Equation No.".
    void NextEquation();
    void PreviousEquation();
    // A new choice in "Equation No." (0 to 219).
    void SelectEquation(int number);
    // A new choice in "Flash :" (0 is "64M" .. 5 is "2M").
    void SelectFlashSize(int index);
    // The window's 30 ms timer.
    void Tick();

    // --- Compile and conversion ---------------------------------------------
    void Compile();
    void LoadExternalBin();
    void ConvertToWav();

    // --- Sound library -------------------------------------------------------
    void LoadLibrarySounds();
    void DeleteLibrarySound();
    void EmptyLibrary();
    void PlayLibrarySound();
    void PlayLibrarySoundAsChip();
    // Escape in the library or the playlist view, and the Stop command.
    void StopPreview();
    // Whether a preview sounds or holds editing, so that Stop has work.
    bool previewStoppable() const;

    // --- Playlist of the current equation -----------------------------------
    void InsertSound();
    void InsertSilence(int lengthMs);
    void InsertUserSilence();
    // Double-click on library row `libraryRow`, or its drop on the playlist.
    void AppendSound(int libraryRow);
    // Double-click on playlist row `row`.
    void ReplaceEntry(int row);
    // A playlist row dragged from `from` and dropped on `to`.
    void MoveEntry(int from, int to);
    void DeleteEntry();
    void EmptyEquation();
    void PlayEquation();

    // --- Background music ----------------------------------------------------
    void LoadBackgroundMusic();
    void EmptyBackgroundMusic();
    void PlayBackgroundMusic();

    // --- Setup ---------------------------------------------------------------
    void Options();
    void KeySetup();
    void EquationSetup();
    // A Mode menu item: sets only the control mode and the check mark.
    void SetControlMode(int controlMode);

    // --- Prompts and firmware header (SessionPrompts.cpp) -------------------
    void PrepareSounds();
    void SpokenPrompts();
    // Speaks and prepares one prompt and plays it as a library sound.
    void PlayPrompt(const std::string& text, const std::string& voice, int rate);
    void ExportFirmwareHeader();
    // The library's Load checks and copy for files already chosen.
    void LoadLibraryFiles(const std::vector<std::string>& files);

    // --- Outside programs ----------------------------------------------------
    void DownloadData();
    // Tool > "Recover Project from BIN...": a BIN, then where the project
    // made from it goes; the recovered project is opened.
    void RecoverProjectFromBin();
    void HelpContent();
    // Saves the open project and starts the given edition of the program;
    // true when this one may end.
    bool SwitchToEdition(Edition edition);

private:
    // PreviewHost: the workers' calls reach the window through the port.
    void ShowPreviewProgress(int upper, int position) override;
    void ShowPreviewMessage(const UserMessage& message) override;
    void EnablePreviewEditing(bool on) override;

    // Enables or greys the project commands and sets the views'
    // commands-enabled flags.
    void EnableEditing(bool on);
    // The library view's rebuild: the background-music view's enabling in
    // One Line and Three Line mode, then the flash usage.
    void RebuildLibraryView();
    // Also shows the equation's size.
    void RebuildPlaylistView();
    void ShowEquationSize();
    // After a playlist dialog, whatever its answer; `newRow` is the row of an
    // entry put in, to scroll to.
    void RebuildPlaylistAndLibraryViews(std::optional<int> newRow = std::nullopt);
    void RebuildAllViews();
    void UpdateFlashUsage();
    void SetBackgroundMusicViewEnabled(bool on);
    // The view enabling of Options, New and Open: on in One Line and Three
    // Line mode, off in every other.
    void EnableBackgroundMusicForMode();
    void ShowModeCheck();
    // Writes the open project to its file; false (after a message) on failure.
    bool SaveOpenProject();
    // The save when the open project is left: true when it succeeded or the
    // user, asked after the failure, lets the project go unsaved.
    bool SaveBeforeLeaving();
    // The lock of the project file about to be opened or made: the one held
    // when it is the open project's own, else a new one. False after a
    // message naming the holder.
    bool LockFor(const std::string& projectFilePath, std::shared_ptr<ProjectLock>& lock);
    // Open's last step: reads `path` and makes it the open project, or
    // reports why it cannot and leaves no project open.
    void OpenChosenFile(const std::string& path);
    // Back to no open project: title, lists emptied, editing off, views
    // cleared. The records keep their values.
    void ResetToNoProject();
    // Replaces every list and record with `content` and shows equation 0.
    void ResetContent(const ProjectContent& content);
    void StopPlaylistPreview();
    // `entry` as a preview may play it: its path is its file in the sound
    // folder, or empty (nothing plays) when its name is no plain file name.
    CSound Playable(CSound entry) const;
    std::optional<CSound> Playable(const std::optional<CSound>& entry) const;
    CSoundList& editedEquation() { return project_.content.equations[currentEquation_]; }

    WindowPort& port_;
    const std::string programFolder_;
    Project project_;
    // The content as last read or written, to see whether a command changed it.
    ProjectContent savedContent_;
    std::shared_ptr<ProjectLock> lock_;
    bool projectOpen_ = false;
    int currentEquation_ = 0;
    int flashSizeIndex_;
    bool libraryCommands_ = false;
    bool playlistCommands_ = false;
    bool backgroundMusicCommands_ = false;
    bool backgroundMusicViewEnabled_ = false;
    // The file Spoken Prompts' Play wrote for listening, removed when the
    // session ends; empty until then.
    std::string promptListeningFile_;
    // Last: destroyed first, while everything its workers use still exists.
    std::unique_ptr<PreviewPlayer> preview_;
};
