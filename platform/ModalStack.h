#pragma once

class QDialog;
class QString;
class QWidget;

// Every modal window that is running, innermost last, so that a quit request can end them all.
class ModalStack {
public:
    // Runs the window modally on top of the others; returns its result.
    static int run(QDialog& window);
    // Ends every running window that has not ended yet, innermost first.
    static void endAll(int result);
    // A message box with an OK button and no icon.
    static void messageBox(QWidget* parent, const QString& text, const QString& caption);
};
