#pragma once

#include "DialogTemplate.h"
#include "Geometry.h"
#include "ItemId.h"
#include "Message.h"
#include "SystemMenu.h"

#include <memory>
#include <string>
#include <string_view>

class DataExchange;
class DialogWindow;

// A modal dialog built from a template. Its window exists only while doModal runs; the dialog
// object outlives it and keeps the values its data exchange moves in and out.
class Dialog {
public:
    // The result of a dialog whose run was ended by a quit request.
    static constexpr int quitResult = -1;

    // Without a parent the dialog is owned by the dialog that is active when it runs.
    explicit Dialog(const DialogTemplate& dialogTemplate, Dialog* parent = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    int doModal();
    void endDialog(int result);
    bool isRunning() const { return window_ != nullptr; }

    // false shows the values in the controls; true reads them back, with their checks. A failed
    // check has shown its message and put the focus on its control.
    bool updateData(bool saveAndValidate = true);

    void enableControl(ItemId id, bool enable);
    bool isControlEnabled(ItemId id) const;
    void setControlText(ItemId id, std::string_view text);
    std::string controlText(ItemId id) const;

    // A message box over this dialog with an OK button and no icon; without a caption of its own
    // it is captioned with the application's title.
    void messageBox(std::string_view text, std::string_view caption = {});

    // The window's big and small icons.
    void setIcon(const IconResource& icon);
    SystemMenu& systemMenu() { return systemMenu_; }
    bool isIconic() const;
    Size clientSize() const;
    // Inside a paint message only.
    void drawIcon(Point at, const IconResource& icon);

    // Sends a message to the dialog as its window would, with the framework's error handling.
    // Returns whether the dialog's message table handled it.
    bool sendMessage(Message& message);
    // Asks for the picture shown while the minimized window is dragged.
    const IconResource* queryDragIcon();

    const DialogTemplate& dialogTemplate() const { return template_; }
    // The dialog whose modal run is innermost, or null.
    static Dialog* activeDialog();

protected:
    virtual void DoDataExchange(DataExchange&) {}
    // Shows the values; true asks for the focus on the first control that takes it.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // A dialog with a message table overrides this with dispatchMessage.
    virtual bool handleMessage(Message&) { return false; }

    void defaultSysCommand(unsigned command);
    void defaultPaint() {}

private:
    friend class DialogWindow;
    friend class DataExchange;

    void defaultMessage(Message& message);
    void reportError(const char* what);
    void initDialog();

    const DialogTemplate& template_;
    Dialog* parent_;
    SystemMenu systemMenu_;
    const IconResource* icon_ = nullptr;
    std::unique_ptr<DialogWindow> window_;
    int exchangeDepth_ = 0; // notifications from the controls are dropped while above 0
    bool ended_ = false;
    int endResult_ = 0;
};
