#include "vcl/TApplication.h"

#include "vcl/TForm.h"
#include "vcl/qt/QtConvert.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMessageBox>
#include <filesystem>

namespace {
TApplication TheApplication;
}
TApplication* Application = &TheApplication;

struct TApplication::Platform {
    int argc = 1;
    std::string exePath;
    char* argv[2] = {nullptr, nullptr};
    std::unique_ptr<QApplication> app;
};

TApplication::TApplication() : TComponent(nullptr), FPlatform(std::make_unique<Platform>()) {}

TApplication::~TApplication()
{
    // Without Finalize the program is ending anyway: leave the windowing to the system, whose
    // globals may be gone by now.
    if (FPlatform->app)
        (void)FPlatform->app.release();
}

void TApplication::Finalize()
{
    // The forms go before the windowing they stand on.
    DestroyComponents();
    FMainForm = nullptr;
    FPlatform->app.reset();
}

void TApplication::Initialize()
{
    if (QCoreApplication::instance())
        return;
    FPlatform->exePath = ExeName();
    FPlatform->argv[0] = FPlatform->exePath.data();
    FPlatform->app = std::make_unique<QApplication>(FPlatform->argc, FPlatform->argv);
    QApplication::setQuitOnLastWindowClosed(false);
}

void TApplication::Run()
{
    if (FMainForm && !FTerminated)
        FMainForm->Show();
    if (!FTerminated)
        QApplication::exec();
}

void TApplication::Terminate()
{
    FTerminated = true;
    QCoreApplication::exit(0);
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Post(std::function<void()> call)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(call), Qt::QueuedConnection);
}

void TApplication::ShowException(const std::exception& error)
{
    const std::string message = error.what();
    if (OnShowException) {
        OnShowException(message);
        return;
    }
    const QString title = QString::fromStdString(std::filesystem::path(ExeName()).stem().string());
    QMessageBox::critical(nullptr, title, ToQString(message));
}

std::string TApplication::ExeName() const
{
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}
