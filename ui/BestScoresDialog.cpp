#include "BestScoresDialog.h"

#include "BestScoresTemplate.h"
#include "ScoreTable.h"

const MessageEntry<BestScoresDialog> BestScoresDialog::messageTable[] = {
    onClicked(BestScoresId::ResetScores, &BestScoresDialog::onResetScores),
};

BestScoresDialog::BestScoresDialog(const ScoreTable& scores, Dialog* parent)
    : Dialog(bestScoresTemplate, parent), scores_(scores) {
}

bool BestScoresDialog::handleMessage(Message& message) {
    return dispatchMessage<BestScoresDialog>(*this, messageTable, message);
}

// Shows the file itself rather than the table in memory.
bool BestScoresDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    const ScoreTable::Bytes file = scores_.readForDisplay();
    for (std::size_t k = 0; k < ScoreTable::recordCount; ++k) {
        const ScoreRecord record = ScoreRecord::decode(file.data() + k * ScoreRecord::size);
        const int cell = static_cast<int>(BestScoresId::FirstCell) + 2 * static_cast<int>(k);
        setControlText(cell, std::to_string(record.attempts));
        setControlText(cell + 1, record.nameText());
    }
    return true;
}

// The cells keep what they show; the main window reloads the table when this dialog closes.
void BestScoresDialog::onResetScores() {
    scores_.resetFile();
}
