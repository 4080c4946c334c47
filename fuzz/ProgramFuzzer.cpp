#include "ProgramFuzzer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <cstdio>

#include "Program.h"
#include "SampleEntries.h"
#include "intake/FormNames.h"
#include "intake/PatientFolder.h"
#include "intake/PatientRecord.h"
#include "intake/PreviewPages.h"
#include "platform/FileDialogs.h"
#include "platform/Forms.h"
#include "platform/HelpViewer.h"
#include "platform/ImageWriter.h"
#include "platform/MessageBox.h"
#include "platform/PageImage.h"
#include "platform/Printer.h"
#include "platform/WholeFile.h"
#include "support/ProgramSeams.h"

namespace vt::fuzz {
namespace {

const QString kPrintFailed = QStringLiteral("인쇄할 수 없습니다. 프린터를 확인해 주세요.");
const QString kSaveFilters[] = {QStringLiteral("PNG Files (*.png)"),
                                QStringLiteral("JPEG Files (*.jpg)"),
                                QStringLiteral("GIF Files (*.gif)"),
                                QStringLiteral("TIFF Files (*.tif)"),
                                QStringLiteral("BMP Files (*.bmp)")};
const char* const kEndings[] = {".png", ".PNG", ".jpg", ".jpeg", ".gif", ".tif", ".TIFF", ".bmp", ".emf", ".txt", ""};

const QStringList kRareButtons{QStringLiteral("cmdExit"), QStringLiteral("cmdHelp"), QStringLiteral("cmdNextPatient")};

QList<QWidget*> LoadedForms() {
    QList<QWidget*> forms;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Form*>(w)) forms << w;
    return forms;
}

QList<QWidget*> ShownForms() {
    QList<QWidget*> forms;
    for (QWidget* w : LoadedForms())
        if (w->isVisible()) forms << w;
    return forms;
}

bool StartShown() {
    for (QWidget* form : ShownForms())
        if (form->objectName() == QLatin1String(FormName::Start)) return true;
    return false;
}

template <class T>
QList<T*> Usable(QWidget* form) {
    QList<T*> found;
    for (T* w : form->findChildren<T*>())
        if (w->isVisible() && w->isEnabled()) found << w;
    return found;
}

QString Sample(const QString& box, Random& random) {
    std::vector<std::string_view> texts;
    for (const SampleEntry& e : kSampleEntries)
        if (box == QLatin1String(e.box.data(), qsizetype(e.box.size()))) texts.push_back(e.text);
    if (texts.empty()) return PlausibleNumber(random);
    const std::string_view t = texts[std::size_t(Pick(random, int(texts.size())))];
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

QString Clean(const QString& path) { return QDir::cleanPath(path); }

}  // namespace

ProgramFuzzer::ProgramFuzzer(std::uint64_t seed, const QString& home)
    : random_(seed),
      home_(home),
      chosen_(home + QStringLiteral("/Chosen")),
      printed_(home + QStringLiteral("/Printed")) {
    QDir().mkpath(chosen_ + QStringLiteral("/folder.png"));
    QDir().mkpath(printed_);
    Seams& seams = CurrentSeams();
    seams.message = [this](const QString&, const QString& text) { messages_ << text; };
    seams.endProgram = [this] { note(QStringLiteral("(the program would end here)")); };
    seams.imageWritten = [this](const std::string& path, bool written) {
        writes_.emplace_back(QString::fromStdString(path), written);
    };
    seams.saveDialog = [this](const SaveDialogRequest& request) -> std::optional<SaveAnswer> {
        const QString folder = patientFolder();
        // The first save starts in the patient folder, a later one at a name chosen before.
        if (!request.startPath.startsWith(folder + u'/') && !everChosen_.count(Clean(request.startPath)))
            fail(QStringLiteral("the save dialog starts outside the patient folder: ") + request.startPath);
        QString name = Chance(random_, 0.2) ? HostileText(random_) : QStringLiteral("copy %1").arg(Pick(random_, 9));
        name += QString::fromLatin1(kEndings[Pick(random_, int(std::size(kEndings)))]);
        QString target;
        switch (Pick(random_, 10)) {
            case 0: return std::nullopt;  // cancelled
            case 1: target = home_ + QStringLiteral("/missing/") + name; break;
            case 2: target = chosen_ + QStringLiteral("/folder.png"); break;
            case 3: target = QStringLiteral("/proc/") + name; break;
            case 4:
            case 5:
            case 6: target = chosen_ + u'/' + name; break;
            default: target = folder + u'/' + name; break;
        }
        const QString filter = kSaveFilters[Pick(random_, int(std::size(kSaveFilters)))];
        // The clinician chose this place: the copy may land there, with or without an ending added.
        chosenTargets_.insert(Clean(target));
        for (const char* ending : {".png", ".jpg", ".gif", ".tif", ".bmp"})
            chosenTargets_.insert(Clean(target + QLatin1String(ending)));
        everChosen_.insert(chosenTargets_.begin(), chosenTargets_.end());
        note(QStringLiteral("  save as \"%1\" with %2").arg(target.left(120), filter));
        return SaveAnswer{target, filter};
    };
    // Radiographs to open: two that read, one that does not, one that is not there.
    const QString pictures = home + QStringLiteral("/Radiographs");
    QDir().mkpath(pictures);
    QImage film(900, 700, QImage::Format_Grayscale8);
    for (int y = 0; y < film.height(); ++y)
        for (int x = 0; x < film.width(); ++x) film.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, 0, 0));
    film.save(pictures + QStringLiteral("/ceph.jpg"));
    film.scaled(300, 250).save(pictures + QStringLiteral("/small ceph.BMP"));
    QFile broken(pictures + QStringLiteral("/broken.jpg"));
    if (broken.open(QIODevice::WriteOnly)) broken.write("not a picture");
    broken.close();
    seams.openDialog = [this, pictures](const OpenDialogRequest& request) -> std::optional<QString> {
        // The dialog starts in the home folder until a radiograph opens, then in that radiograph's folder.
        const QString start = radiographOpened_ ? pictures : home_;
        if (Clean(request.startFolder) != Clean(start))
            fail(QStringLiteral("the open dialog starts in %1, not in %2").arg(request.startFolder, start));
        const QString choices[] = {QStringLiteral("/ceph.jpg"),
                                   QStringLiteral("/ceph.jpg"),
                                   QStringLiteral("/small ceph.BMP"),
                                   QStringLiteral("/broken.jpg"),
                                   QStringLiteral("/missing.jpg")};
        constexpr int kOpening = 3;  // the first three open
        if (Chance(random_, 0.1)) return std::nullopt;
        const int choice = Pick(random_, int(std::size(choices)));
        radiographOpened_ = radiographOpened_ || choice < kOpening;
        const QString chosen = pictures + choices[choice];
        note(QStringLiteral("  open \"%1\"").arg(chosen));
        return chosen;
    };
    StartProgram();
    files_ = scan(home_);
    programFolder_ = QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

ProgramFuzzer::~ProgramFuzzer() { testing::UnloadProgram(); }

bool ProgramFuzzer::run(long actions) {
    for (long i = 0; i < actions && failure_.isEmpty(); ++i) act();
    return failure_.isEmpty();
}

QString ProgramFuzzer::report() const {
    QStringList lines{failure_, QStringLiteral("after these actions:")};
    for (const QString& action : recent_) lines << QStringLiteral("  ") + action;
    return lines.join(u'\n');
}

void ProgramFuzzer::note(const QString& action) {
    if (trace_) std::fprintf(stderr, "%s\n", action.toUtf8().constData());
    recent_.push_back(action);
    if (recent_.size() > 40) recent_.pop_front();
}

void ProgramFuzzer::fail(const QString& what) {
    if (failure_.isEmpty()) failure_ = what;
}

void ProgramFuzzer::act() {
    const QList<QWidget*> forms = ShownForms();
    if (forms.isEmpty()) return fail(QStringLiteral("no form is shown: the clinician cannot go on"));
    QWidget* form = forms[Pick(random_, int(forms.size()))];
    const QList<QAbstractButton*> buttons = Usable<QAbstractButton>(form);
    QList<QWidget*> pictures;
    for (QWidget* w : Usable<QWidget>(form))
        if (w->objectName().startsWith(QLatin1String("pic"))) pictures << w;
    const QList<QComboBox*> combos = Usable<QComboBox>(form);
    const int roll = Pick(random_, 20);
    if (roll < 4) return fill(form);
    if (roll < 6) return typeOne(form);
    if (roll < 7 && !combos.isEmpty()) return choose(combos[Pick(random_, int(combos.size()))]);
    // Landmarks take many clicks on the picture.
    if (roll < 12 && !pictures.isEmpty()) return clickPicture(pictures[Pick(random_, int(pictures.size()))]);
    // Push buttons do the work; options only change what the next one does.
    // Ending the program, the help and the next patient are tried less often,
    // so that each patient gets through the analyses.
    QList<QAbstractButton*> pushButtons;
    for (QAbstractButton* b : buttons)
        if (qobject_cast<QPushButton*>(b) && (!kRareButtons.contains(b->objectName()) || Chance(random_, 0.15)))
            pushButtons << b;
    const QList<QAbstractButton*>& from = !pushButtons.isEmpty() && Chance(random_, 0.75) ? pushButtons : buttons;
    if (!from.isEmpty()) return click(from[Pick(random_, int(from.size()))]);
    fill(form);
}

// Every box of the form: the sample entries as they are (so that runs get
// on), with a box or two changed, or hostile text throughout.
void ProgramFuzzer::fill(QWidget* form) {
    const QList<QLineEdit*> boxes = Usable<QLineEdit>(form);
    if (boxes.isEmpty()) return;
    const int mode = Pick(random_, 4);
    for (QLineEdit* box : boxes) box->setText(Sample(box->objectName(), random_));
    const int changes = mode == 3 ? int(boxes.size()) : mode == 2 ? 1 + Pick(random_, 2) : 0;
    for (int n = changes; n > 0; --n) {
        QLineEdit* box = boxes[Pick(random_, int(boxes.size()))];
        box->setText(mode == 3 && Chance(random_, 0.3) ? PlausibleNumber(random_) : HostileText(random_));
    }
    note(QStringLiteral("fill %1 (%2)")
             .arg(form->objectName(),
                  mode == 3 ? "hostile"
                  : changes ? "samples changed"
                            : "samples"));
}

void ProgramFuzzer::typeOne(QWidget* form) {
    const QList<QLineEdit*> boxes = Usable<QLineEdit>(form);
    if (boxes.isEmpty()) return;
    QLineEdit* box = boxes[Pick(random_, int(boxes.size()))];
    box->setText(HostileText(random_));
    note(QStringLiteral("type into %1.%2: \"%3\"").arg(form->objectName(), box->objectName(), box->text().left(60)));
}

// Forgets what the last action did, and prints nowhere unless a click says so.
void ProgramFuzzer::beginAction() {
    messages_.clear();
    writes_.clear();
    chosenTargets_.clear();
    unanswered_.clear();
    printTarget_ = home_ + QStringLiteral("/missing/page.pdf");
    CurrentSeams().printToFile = printTarget_;
}

// Picks an entry of a list box as the clinician does, which acts at once.
void ProgramFuzzer::choose(QComboBox* combo) {
    if (combo->count() == 0) return;
    const int index = Pick(random_, combo->count());
    note(QStringLiteral("choose %1 in %2").arg(combo->itemText(index), combo->objectName()));
    const bool startWasShown = StartShown();
    beginAction();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    check(startWasShown, combo->objectName());
}

void ProgramFuzzer::clickPicture(QWidget* picture) {
    const QPoint at(Pick(random_, std::max(1, picture->width())), Pick(random_, std::max(1, picture->height())));
    const Qt::MouseButton button = Chance(random_, 0.8) ? Qt::LeftButton : Qt::RightButton;
    note(QStringLiteral("click %1 at (%2, %3)").arg(picture->objectName()).arg(at.x()).arg(at.y()));
    const bool startWasShown = StartShown();
    beginAction();
    QTest::mouseClick(picture, button, {}, at);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    check(startWasShown, picture->objectName());
}

void ProgramFuzzer::click(QAbstractButton* button) {
    const QString name = button->window()->objectName() + u'.' + button->objectName();
    beginAction();
    printTarget_ = Chance(random_, 0.8) ? printed_ + QStringLiteral("/page-%1.pdf").arg(++printCount_)
                                        : home_ + QStringLiteral("/missing/page.pdf");
    CurrentSeams().printToFile = printTarget_;
    const bool diskFails = Chance(random_, 0.12);
    if (diskFails) CurrentSeams().writeLimit = std::uniform_int_distribution<qint64>(0, 400000)(random_);
    note(QStringLiteral("click %1%2").arg(name, diskFails ? QStringLiteral(" (the disk fills up)") : QString()));

    // A dialog that no seam answers would wait for ever: cancel it. A message
    // box of its own would escape the message check: that one is a failure.
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            const QString what = QString::fromLatin1(modal->metaObject()->className()) + u' ' + modal->windowTitle();
            note(QStringLiteral("  cancelled ") + what);
            if (qobject_cast<QMessageBox*>(modal)) unanswered_ << what;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
    });
    guard.start(20);
    const bool startWasShown = StartShown();
    button->click();
    guard.stop();
    CurrentSeams().writeLimit = std::nullopt;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    check(startWasShown, name);
    if (!startWasShown && StartShown()) {
        ++patients_;
        clearEarlierPatients();
    }
}

// The next patient writes nothing of the earlier ones: their folders go, so
// that a write into one shows as a new folder, and the checks stay quick
// however long the run.
void ProgramFuzzer::clearEarlierPatients() {
    QDir(PatientDataRoot()).removeRecursively();
    QDir(printed_).removeRecursively();
    QDir(chosen_).removeRecursively();
    QDir().mkpath(chosen_ + QStringLiteral("/folder.png"));
    QDir().mkpath(printed_);
    files_ = scan(home_);
}

void ProgramFuzzer::check(bool startWasShown, const QString& clicked) {
    if (!unanswered_.isEmpty())
        fail(QStringLiteral("a message box that bypasses the message sink: ") + unanswered_.join(u", "));
    checkWrites();
    checkFiles();
    const QStringList programFolder = QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (programFolder != programFolder_)
        fail(QStringLiteral("a file appeared in the program's folder: ") + programFolder.join(u", "));
    if (clicked.endsWith(QLatin1String(".cmdPrint"))) {
        const bool printed = QFile::exists(printTarget_);
        if (printed) checkWhole(printTarget_);
        if (printed == messages_.contains(kPrintFailed))
            fail(printed ? QStringLiteral("a print that worked says it failed")
                         : QStringLiteral("a print that failed says nothing"));
    }
    const bool startShown = StartShown();
    if (!startWasShown && startShown) checkNothingShown(LoadedForms(), "after the next patient");
    if (startWasShown && !startShown) checkNothingShown(ShownForms(), "when the next patient starts");
}

// Every failed write is named in a message; every written file decodes whole.
void ProgramFuzzer::checkWrites() {
    for (const auto& [path, written] : writes_) {
        if (written) {
            ++filesWritten_;
            checkWhole(path);
            continue;
        }
        bool named = false;
        for (const QString& message : messages_) named = named || message.contains(path);
        if (!named) fail(QStringLiteral("a failed write is not reported: ") + path);
        ++failuresReported_;
    }
}

void ProgramFuzzer::checkWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("a written file cannot be read: ") + path);
    const QByteArray bytes = file.readAll();
    if (path.endsWith(QLatin1String(".pdf"))) {
        if (!bytes.startsWith("%PDF") || !bytes.right(32).contains("%%EOF"))
            fail(QStringLiteral("a printed file is not a whole PDF: ") + path);
        return;
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    const QImage image = reader.read();
    // JPEG and GIF readers show what they have of a cut file: look at its end too.
    const bool cut = (format == "jpeg" && !bytes.endsWith("\xff\xd9")) || (format == "gif" && !bytes.endsWith(';'));
    if (image.isNull() || cut || image.size() != QSize(kSaveWidthPx, kSaveHeightPx))
        fail(QStringLiteral("a written file does not decode whole: %1 (%2)").arg(path, reader.errorString()));
}

// New or changed files only in the patient folder or where the clinician
// chose; nothing vanishes; no temporary file stays.
void ProgramFuzzer::checkFiles() {
    const Tree now = scan(home_);
    const QString folder = Clean(patientFolder());
    const QString root = Clean(PatientDataRoot());
    for (const auto& [path, entry] : now) {
        if (QFileInfo(path).fileName().startsWith(QLatin1String(".veltrane-")))
            fail(QStringLiteral("a temporary file stayed: ") + path);
        const auto before = files_.find(path);
        // A folder changes with every file in it: only new folders count.
        if (before != files_.end() && (before->second == entry || entry.isDir)) continue;
        const QString parent = Clean(QFileInfo(path).path());
        const bool allowed = entry.isDir ? (path == folder || path == root)
                                         : (parent == folder || isChosen(path) || path == Clean(printTarget_));
        if (!allowed)
            fail(QStringLiteral("a file outside the patient folder: ") + path);
        else if (!entry.isDir && parent == folder)
            checkWhole(path);
    }
    for (const auto& [path, entry] : files_)
        if (!now.count(path)) fail(QStringLiteral("a file vanished: ") + path);
    files_ = now;
}

void ProgramFuzzer::checkNothingShown(const QList<QWidget*>& forms, const char* when) {
    if (State() != PreviewState::None && std::string_view(when) == "after the next patient")
        fail(QStringLiteral("the preview still names a page after the next patient"));
    for (QWidget* form : forms) {
        if (form->objectName() == QLatin1String("frmAxPreview")) continue;
        for (QLineEdit* box : form->findChildren<QLineEdit*>())
            if (!box->text().isEmpty())
                fail(QStringLiteral("%1.%2 still holds \"%3\" %4")
                         .arg(form->objectName(), box->objectName(), box->text().left(60), QLatin1String(when)));
        for (QLabel* label : form->findChildren<QLabel*>())
            if (label->objectName().startsWith(QLatin1String("lbl")) && !label->text().isEmpty())
                fail(QStringLiteral("%1.%2 still shows \"%3\" %4")
                         .arg(form->objectName(), label->objectName(), label->text().left(60), QLatin1String(when)));
    }
}

ProgramFuzzer::Tree ProgramFuzzer::scan(const QString& folder) const {
    Tree tree;
    for (QDirIterator it(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = Clean(it.next());
        struct stat s {};
        if (::lstat(QFile::encodeName(path).constData(), &s) != 0) continue;
        tree[path] = {S_ISDIR(s.st_mode),
                      qint64(s.st_size),
                      qint64(s.st_mtim.tv_sec) * 1000000000 + s.st_mtim.tv_nsec,
                      qint64(s.st_ino)};
    }
    return tree;
}

QString ProgramFuzzer::patientFolder() const { return PatientFolderPath(Patient()); }

bool ProgramFuzzer::isChosen(const QString& path) const { return chosenTargets_.count(path) > 0; }

}  // namespace vt::fuzz
