#pragma once

#include "Dialog.h"
#include "MessageTable.h"

class ScoreTable;

// The 21 best results as the score file holds them, and the way to reset them.
class BestScoresDialog : public Dialog {
public:
    explicit BestScoresDialog(const ScoreTable& scores, Dialog* parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool handleMessage(Message& message) override;

private:
    void onResetScores();

    static const MessageEntry<BestScoresDialog> messageTable[];

    const ScoreTable& scores_;
};
