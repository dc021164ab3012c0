#include "SettingsDialog.h"

#include "DataExchange.h"
#include "SettingsTemplate.h"

const MessageEntry<SettingsDialog> SettingsDialog::messageTable[] = {
    onRButtonDown(&SettingsDialog::OnRButtonDown),
};

SettingsDialog::SettingsDialog(Dialog* parent) : Dialog(settingsTemplate, parent) {
}

bool SettingsDialog::handleMessage(Message& message) {
    return dispatchMessage<SettingsDialog>(*this, messageTable, message);
}

void SettingsDialog::DoDataExchange(DataExchange& exchange) {
    exchange.radio(SettingsId::FirstChoice, choiceIndex);
}

bool SettingsDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    updateData(false);
    return true;
}

// A right click takes the choice at once, so that even Cancel keeps it afterwards.
void SettingsDialog::OnRButtonDown(unsigned, Point) {
    updateData(true);
}
