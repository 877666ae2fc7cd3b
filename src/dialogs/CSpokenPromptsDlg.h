#pragma once
// "Spoken Prompts": rows of name and text (typed, or read from a list
// file), a voice and a rate; each row has a Play button that plays the
// prompt as it will be prepared.

#include <functional>
#include <string>
#include <vector>

#include <QDialog>

#include "app/PromptRequests.h"
#include "audio/SpeechSynthesis.h"
#include "dialogs/PromptDialogParts.h"

class QTableWidget;

class CSpokenPromptsDlg : public QDialog {
    Q_OBJECT
public:
    // Plays one prompt: text, voice, rate.
    using Player = std::function<void(const std::string&, const std::string&, int)>;

    CSpokenPromptsDlg(const std::vector<SpeechVoice>& voices, bool loadPossible, Player play,
                      QWidget* parent = nullptr);

    // The choices, once the dialog was accepted.
    SpokenPromptsRequest request() const { return request_; }
    // The table's rows, for a list read from a file.
    void setPrompts(const std::vector<PromptLine>& prompts);
    void accept() override;

private:
    void addRow(const QString& name, const QString& text);
    void openListFile();
    // The rows as a prompt list; refused rows are reported with their number.
    bool readRows(std::vector<PromptLine>& prompts);
    std::string voice() const;

    QTableWidget* table_;
    QComboBox* voices_;
    PromptOutputControls output_;
    Player play_;
    SpokenPromptsRequest request_;
};
