#include "AboutDialog.h"

#include "AboutTemplate.h"

AboutDialog::AboutDialog(Dialog* parent) : Dialog(aboutTemplate, parent) {
}
