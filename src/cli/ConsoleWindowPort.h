#pragma once
// The window of a session run from the command line: the Load dialog answers
// with the files named on the command line, every message is one line on
// stdout, and every other question is cancelled. There are no views to draw.

#include <string>
#include <vector>

#include "app/WindowPort.h"

class ConsoleWindowPort : public WindowPort {
public:
    explicit ConsoleWindowPort(std::vector<std::string> chosenFiles) : chosenFiles_(std::move(chosenFiles)) {}

    void ShowMessage(const UserMessage& message) override;
    bool Confirm() override { return false; }
    bool ConfirmReplace(const std::string&) override { return false; }
    bool ConfirmLeaveUnsaved() override { return false; }

    std::optional<std::string> ChooseFile(const FileChoice&) override { return std::nullopt; }
    std::optional<std::vector<std::string>> ChooseFiles(const std::string&) override { return chosenFiles_; }

    std::optional<int> ChooseLibrarySound(const CSoundList&) override { return std::nullopt; }
    std::optional<int> ChooseSilenceLength(int) override { return std::nullopt; }
    std::optional<int> ChooseSamplingRate(int) override { return std::nullopt; }
    std::optional<COptions> EditOptions(const COptions&) override { return std::nullopt; }
    std::optional<CKey> EditKeys(const CKey&, int) override { return std::nullopt; }
    std::optional<CEquation> EditEquations(const CEquation&, int) override { return std::nullopt; }

    int SelectedRow(View) override { return -1; }
    void RebuildView(View) override {}
    void ClearView(View) override {}
    void RemoveRow(View, int) override {}

    void SetTitle(const std::string&) override {}
    void ShowEditingEnabled(bool) override {}
    void ShowCurrentEquation(int) override {}
    void EnableBackgroundMusicView(bool) override {}
    void SetModeCheck(int) override {}
    void ShowFlashUsage(const std::string&, const std::string&) override {}
    void ShowRow(View, int) override {}
    void ShowEquationSize(const std::string&) override {}
    void ShowProgress(int, int) override {}
    void OpenDocument(const std::string&, std::function<void()>) override {}

    // There is no event loop to hand work to; the tool plays nothing, so
    // nothing waits on a window thread.
    void RunOnWindowThread(std::function<void()> work) override { work(); }

private:
    std::vector<std::string> chosenFiles_;
};
