#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdlib>

#include "toolkits/qt/qt_driver.h"
#include "toolkits/qt/qt_program.h"
#include "toolkits/qt/qt_toolkit.h"
#include "toolkits/qt/qt_session.h"

namespace quorvel::ui {

namespace {

QApplication* MakeApp(int& argc, char** argv) {
    qt::InstallQuietMessageHandler();
    if (!qt::QtProgram::DisplayAvailable()) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return new QApplication(argc, argv);
}

class QtSession final : public Session {
public:
    QtSession(int& argc, char** argv) : app_(MakeApp(argc, argv)), kit_(qt::QtOptions{true}), driver_(kit_) {}

    Toolkit& Kit() override { return kit_; }
    UserDriver& Driver() override { return driver_; }
    RecordingCanvas& Recording() override { return kit_.Recording(); }
    void Settle() override { qt::QtDriver::Settle(); }
    bool Screenshot(const std::string& path) override {
        Settle();
        QWidget* form1 = kit_.Widget(IndexOf(kMainWindow));
        return form1->grab().save(QString::fromStdString(path), "PNG");
    }

private:
    std::unique_ptr<QApplication> app_;
    qt::QtToolkit kit_;
    qt::QtDriver driver_;
};

}  // namespace

std::unique_ptr<Session> MakeQtSession(int& argc, char** argv) { return std::make_unique<QtSession>(argc, argv); }

}  // namespace quorvel::ui
