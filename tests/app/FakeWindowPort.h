#pragma once
// A window port with scripted answers and a log of what the session asked of
// the window, so that a whole command can be checked without a window.
// Answers are queued per dialog; a dialog with no queued answer is
// cancelled. What preview workers send to the window's thread is dropped.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/WindowPort.h"

// Every text any fake port was given to show in this run of the tests, for
// the check that the other edition translates them all.
inline std::set<std::string> shownTexts;

class FakeWindowPort : public WindowPort {
public:
    // Scripted answers, taken from the front.
    std::deque<bool> confirms, replaceAnswers, leaveUnsavedAnswers;
    std::deque<std::optional<std::string>> files;
    std::deque<std::optional<std::vector<std::string>>> fileLists;
    std::deque<std::optional<int>> librarySounds, silenceLengths, samplingRates;
    std::deque<std::optional<COptions>> options;
    std::deque<std::optional<CKey>> keys;
    std::deque<std::optional<CEquation>> equations;
    std::deque<std::optional<PreparationRequest>> preparations;
    std::deque<std::optional<SpokenPromptsRequest>> spokenPrompts;
    std::map<View, int> selectedRows;  // -1 when not given

    // What the session did to the window.
    std::vector<UserMessage> messages;
    std::vector<FileChoice> fileChoices;
    std::vector<std::string> replaceQuestions;  // paths asked about
    std::vector<int> samplingRateOffers;        // highest rate of each Choose Sampling Rate
    int leaveUnsavedQuestions = 0;
    PromptPlayer promptPlayer;  // the Play of the last Spoken Prompts dialog
    std::vector<View> rebuilds, clears;
    std::vector<std::pair<View, int>> removedRows, shownRows;  // shown: scrolled into sight
    std::vector<std::string> titles;
    std::optional<bool> editingEnabled, backgroundMusicViewEnabled;
    std::string flashTotal, equationSize;  // the status bar's last texts
    std::optional<int> modeCheck;
    std::vector<std::pair<int, int>> progress;

    void forgetLog()
    {
        messages.clear();
        rebuilds.clear();
        clears.clear();
        removedRows.clear();
        titles.clear();
    }

    void ShowMessage(const UserMessage& m) override { messages.push_back(m); shownTexts.insert(m.text); }
    bool Confirm() override { return take(confirms); }
    bool ConfirmLeaveUnsaved() override { ++leaveUnsavedQuestions; return take(leaveUnsavedAnswers); }
    bool ConfirmReplace(const std::string& p) override { replaceQuestions.push_back(p); return take(replaceAnswers); }
    std::optional<std::string> ChooseFile(const FileChoice& c) override { fileChoices.push_back(c); return take(files); }
    std::optional<std::vector<std::string>> ChooseFiles(const std::string&) override { return take(fileLists); }
    std::optional<int> ChooseLibrarySound(const CSoundList&) override { return take(librarySounds); }
    std::optional<int> ChooseSilenceLength(int) override { return take(silenceLengths); }
    std::optional<int> ChooseSamplingRate(int highestRate) override
    {
        samplingRateOffers.push_back(highestRate);
        return take(samplingRates);
    }
    std::optional<COptions> EditOptions(const COptions&) override { return take(options); }
    std::optional<CKey> EditKeys(const CKey&, int) override { return take(keys); }
    std::optional<CEquation> EditEquations(const CEquation&, int) override { return take(equations); }
    std::optional<PreparationRequest> ChoosePreparation(bool) override { return take(preparations); }
    std::optional<SpokenPromptsRequest> ChooseSpokenPrompts(bool, PromptPlayer play) override
    {
        promptPlayer = std::move(play);
        return take(spokenPrompts);
    }

    int SelectedRow(View view) override { return selectedRows.contains(view) ? selectedRows[view] : -1; }
    // A rebuild leaves no row selected, as in the window.
    void RebuildView(View view) override { rebuilds.push_back(view); selectedRows.erase(view); }
    void ClearView(View view) override { clears.push_back(view); selectedRows.erase(view); }
    void RemoveRow(View view, int row) override { removedRows.emplace_back(view, row); }
    void ShowRow(View view, int row) override { shownRows.emplace_back(view, row); }

    void SetTitle(const std::string& title) override { titles.push_back(title); shownTexts.insert(title); }
    void ShowEditingEnabled(bool on) override { editingEnabled = on; }
    void ShowCurrentEquation(int) override {}
    void EnableBackgroundMusicView(bool on) override { backgroundMusicViewEnabled = on; }
    void SetModeCheck(int controlMode) override { modeCheck = controlMode; }
    void ShowFlashUsage(const std::string& total, const std::string& percent) override
    {
        flashTotal = total;
        shownTexts.insert({total, percent});
    }
    void ShowEquationSize(const std::string& size) override { equationSize = size; shownTexts.insert(size); }
    void ShowProgress(int upper, int position) override { progress.emplace_back(upper, position); }
    // No viewer here: every document fails to open.
    void OpenDocument(const std::string&, std::function<void()> failed) override { failed(); }
    void RunOnWindowThread(std::function<void()>) override {}

private:
    template <typename T> static T take(std::deque<T>& queue)
    {
        // Built in place: GCC takes a moved-from optional<vector> for
        // uninitialised.
        std::optional<T> value;
        if (!queue.empty()) {
            value.emplace(std::move(queue.front()));
            queue.pop_front();
        }
        return std::move(value).value_or(T{});
    }
};
