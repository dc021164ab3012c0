#include "HallOfFameDialog.h"

#include "DataExchange.h"
#include "HallOfFameTemplate.h"

HallOfFameDialog::HallOfFameDialog(Dialog* parent) : Dialog(hallOfFameTemplate, parent) {
}

void HallOfFameDialog::DoDataExchange(DataExchange& exchange) {
    exchange.text(HallOfFameId::Attempts, attemptsText);
    exchange.maxChars(attemptsText, 3);
    exchange.text(HallOfFameId::Name, nameText);
    exchange.maxChars(nameText, 17);
    exchange.text(HallOfFameId::Digits, digitsText);
    exchange.maxChars(digitsText, 2);
    exchange.text(HallOfFameId::Rank, rankText);
    exchange.maxChars(rankText, 11);
}

bool HallOfFameDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    updateData(false);
    return true;
}

// Reads back twice, as the dialog always has: a failing check shows its message twice and the
// dialog stays open.
void HallOfFameDialog::OnOK() {
    updateData(true);
    Dialog::OnOK();
}
