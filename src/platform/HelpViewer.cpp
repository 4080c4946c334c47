#include "platform/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vt {

namespace {

// An ordinary window with the window manager's title bar and close box, a
// close button of its own, and Escape to close it.
class HelpWindowWidget : public QWidget {
public:
    HelpWindowWidget() : QWidget(nullptr, Qt::Window) {
        setObjectName(QStringLiteral("helpViewer"));
        setAttribute(Qt::WA_DeleteOnClose);
        browser_ = new QTextBrowser(this);
        browser_->setObjectName(QStringLiteral("helpText"));
        browser_->setOpenExternalLinks(false);
        auto* close = new QPushButton(QStringLiteral("닫  기"), this);
        close->setObjectName(QStringLiteral("cmdClose"));
        connect(close, &QPushButton::clicked, this, &QWidget::close);

        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(close);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(browser_);
        layout->addLayout(buttons);
        resize(720, 600);
    }

    void showDocument(const QString& path) {
        setWindowTitle(QStringLiteral("Veltrane 도움말"));
        browser_->setSource(QUrl::fromLocalFile(path));
    }

protected:
    // The text browser leaves Escape to its window.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            close();
            return;
        }
        QWidget::keyPressEvent(event);
    }

private:
    QTextBrowser* browser_;
};

QPointer<HelpWindowWidget>& Viewer() {
    static QPointer<HelpWindowWidget> viewer;
    return viewer;
}

}  // namespace

bool ShowHelp(const QString& fileName, QWidget* /*owner*/) {
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(fileName);
    if (!QFileInfo(path).isFile()) return false;
    if (!Viewer()) Viewer() = new HelpWindowWidget;
    Viewer()->showDocument(path);
    Viewer()->show();
    // The offscreen platform of the tests cannot raise windows.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        Viewer()->raise();
        Viewer()->activateWindow();
    }
    return true;
}

QWidget* HelpWindow() { return Viewer().data(); }

void CloseHelp() {
    if (Viewer()) delete Viewer().data();
}

}  // namespace vt
