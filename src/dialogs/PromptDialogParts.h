#pragma once
// The controls that Prepare Sounds and Spoken Prompts share: the rate, the
// folder the prompts go to and whether they are loaded afterwards.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

class QFormLayout;
class QWidget;

struct PromptOutputControls {
    QComboBox* rate;
    QLineEdit* folder;
    QCheckBox* load;

    int chosenRate() const { return rate->currentData().toInt(); }
    // Whether a folder was given; the dialog asks for one otherwise.
    bool complete(QWidget* dialog) const;
};

// Adds the rows "Sampling rate", "Output folder" (with a Browse button) and
// "Load into the sound library" to `form`. The last is offered only when
// `loadPossible`.
PromptOutputControls AddPromptOutputRows(QFormLayout* form, QWidget* dialog, bool loadPossible);
