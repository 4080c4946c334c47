#include "platform/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace vt {

namespace {
QPointer<QTextBrowser>& Viewer() {
    static QPointer<QTextBrowser> viewer;
    return viewer;
}
}  // namespace

bool ShowHelp(const QString& fileName, QWidget* /*owner*/) {
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(fileName);
    if (!QFileInfo(path).isFile()) return false;
    if (!Viewer()) {
        auto* viewer = new QTextBrowser;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setObjectName(QStringLiteral("helpViewer"));
        viewer->setOpenExternalLinks(false);
        viewer->resize(720, 600);
        Viewer() = viewer;
    }
    Viewer()->setWindowTitle(QStringLiteral("Veltrane 도움말"));
    Viewer()->setSource(QUrl::fromLocalFile(path));
    Viewer()->show();
    Viewer()->raise();
    return true;
}

QWidget* HelpWindow() { return Viewer().data(); }

void CloseHelp() {
    if (Viewer()) delete Viewer().data();
}

}  // namespace vt
