#pragma once

#include <memory>
#include <string>

class QObject;

// The program: one object per process. run() starts the window system, calls InitInstance and
// returns the exit code: the one a quit request gave, otherwise 0.
class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    int run(int argc, char** argv);

    // Ends every modal run, innermost first, once the current message is handled; the program
    // then exits with exitCode.
    void postQuitRequest(int exitCode);
    bool quitRequested() const { return quitRequested_; }

    // The executable's name without its extension; message boxes without a caption use it.
    const std::string& title() const { return title_; }

    static Application* current();

protected:
    // The reverse-DNS id the desktop entry and icon are installed under, so that the desktop
    // matches the window to them.
    void setDesktopId(std::string id) { desktopId_ = std::move(id); }

    // Runs the program; its result is not used.
    virtual bool InitInstance() = 0;

private:
    std::unique_ptr<QObject> context_; // posted requests die with the application
    std::string title_;
    std::string desktopId_;
    int argc_ = 0;
    bool quitRequested_ = false;
    int exitCode_ = 0;
};
