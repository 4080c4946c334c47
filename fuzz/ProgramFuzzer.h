#pragma once
// The program's own fuzz driver. It runs the real program in-process and,
// from one seed, types hostile text into every box of every form it finds,
// clicks the buttons it finds in random order (analyses, preview, paging,
// scrolling, save-as to good and bad places, print, next patient), makes
// the disk fail now and then, and after every action checks the promises
// that no input may break:
// - no file appears outside the patient folder, but where the clinician
//   saved a copy or printed to;
// - every write that failed is named in a message;
// - every file written decodes whole, and no earlier file is lost;
// - after the next patient, nothing of the previous one is shown.
// Forms and controls are found by widget type and object name, so new forms
// are fuzzed as soon as the program registers them.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <vector>

#include "HostileText.h"
#include "platform/Seams.h"

class QAbstractButton;
class QComboBox;
class QWidget;

namespace vt::fuzz {

class ProgramFuzzer {
public:
    // `home` is an empty folder that becomes the user's home for the run.
    ProgramFuzzer(std::uint64_t seed, const QString& home);
    ~ProgramFuzzer();

    // Runs `actions` actions; false at the first broken promise.
    bool run(long actions);
    // What broke, and the actions that led to it.
    QString report() const;
    long patients() const { return patients_; }
    long filesWritten() const { return filesWritten_; }
    long failuresReported() const { return failuresReported_; }
    // Prints every action as it happens.
    void setTrace(bool trace) { trace_ = trace; }

private:
    SeamsGuard seams_;  // first made, last gone: the program's seams outlive the run
    struct Entry {
        bool isDir = false;
        qint64 size = 0, modified = 0, inode = 0;
        bool operator==(const Entry&) const = default;
    };
    using Tree = std::map<QString, Entry>;

    void act();
    void beginAction();
    void fill(QWidget* form);
    void typeOne(QWidget* form);
    void click(QAbstractButton* button);
    void choose(QComboBox* combo);
    void clickPicture(QWidget* picture);
    void clearEarlierPatients();
    void note(const QString& action);
    void fail(const QString& what);

    void check(bool startWasShown, const QString& clicked);
    void checkFiles();
    void checkWrites();
    void checkNothingShown(const QList<QWidget*>& forms, const char* when);
    void checkWhole(const QString& path);

    Tree scan(const QString& folder) const;
    QString patientFolder() const;
    bool isChosen(const QString& path) const;

    Random random_;
    QString home_, chosen_, printed_;
    QString failure_;
    std::deque<QString> recent_;
    long patients_ = 0, printCount_ = 0, filesWritten_ = 0, failuresReported_ = 0;
    bool trace_ = false;
    bool radiographOpened_ = false;  // a radiograph has opened in this run
    Tree files_;
    QStringList programFolder_;
    // What the current action did.
    QStringList messages_;
    std::vector<std::pair<QString, bool>> writes_;
    std::set<QString> chosenTargets_;  // by the clinician in this action
    std::set<QString> everChosen_;     // by the clinician in this run
    QString printTarget_;
    QStringList unanswered_;
};

}  // namespace vt::fuzz
