#include "Application.h"

#include "Dialog.h"
#include "ModalStack.h"

#include <QApplication>
#include <QTimer>

#include <exception>
#include <filesystem>

namespace {

Application* currentApplication = nullptr;

std::string titleFrom(const char* programPath) {
    return programPath != nullptr ? std::filesystem::path(programPath).stem().string()
                                  : std::string();
}

} // namespace

Application::Application() : context_(std::make_unique<QObject>()) {
    currentApplication = this;
}

Application::~Application() {
    if (currentApplication == this) {
        currentApplication = nullptr;
    }
}

Application* Application::current() {
    return currentApplication;
}

int Application::run(int argc, char** argv) {
    title_ = titleFrom(argc > 0 ? argv[0] : nullptr);
    argc_ = argc;
    std::unique_ptr<QApplication> owned;
    if (QCoreApplication::instance() == nullptr) {
        owned = std::make_unique<QApplication>(argc_, argv);
    }
    if (!desktopId_.empty()) {
        QGuiApplication::setDesktopFileName(QString::fromStdString(desktopId_));
    }
    quitRequested_ = false;
    exitCode_ = 0;
    try {
        InitInstance();
    } catch (const std::exception& error) {
        ModalStack::messageBox(nullptr, QString::fromLocal8Bit(error.what()),
                               QString::fromStdString(title_));
    }
    return quitRequested_ ? exitCode_ : 0;
}

void Application::postQuitRequest(int exitCode) {
    QTimer::singleShot(0, context_.get(), [this, exitCode] {
        if (quitRequested_) {
            return; // the first request ends the program
        }
        quitRequested_ = true;
        exitCode_ = exitCode;
        ModalStack::endAll(Dialog::quitResult);
    });
}
