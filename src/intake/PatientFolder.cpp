#include "intake/PatientFolder.h"

#include <QDir>
#include <QFileInfo>

#include "platform/NumberText.h"

namespace vt {

std::string PatientFolderName(const PatientRecord& patient) {
    return patient.ChartNo + "(" + NumberToText(patient.AgeYear) + "Y" + std::to_string(patient.AgeMonth) + "M)";
}

namespace {

// Joins by plain text: QDir would take a name that begins with ":" for a
// resource path and drop the folder in front of it.
QString Child(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

}  // namespace

QString PatientDataRoot() { return Child(QDir::homePath(), QStringLiteral("Patient Data")); }

QString PatientFolderPath(const PatientRecord& patient) {
    return Child(PatientDataRoot(), QString::fromStdString(PatientFolderName(patient)));
}

QString ResultFilePath(const PatientRecord& patient, const std::string& fileName) {
    return Child(PatientFolderPath(patient), QString::fromStdString(fileName));
}

bool ChartNoIsSafe(const std::string& chartNo) {
    if (chartNo == "." || chartNo == "..") return false;
    for (std::size_t i = 0; i < chartNo.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(chartNo[i]);
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7f) return false;
        // U+0080..U+009F, the second set of control characters, in UTF-8.
        if (c == 0xC2 && i + 1 < chartNo.size() && static_cast<unsigned char>(chartNo[i + 1]) <= 0x9F) return false;
    }
    return true;
}

bool CreateNewDirectory(const QString& path) {
    if (path.isEmpty()) return false;
    QDir().mkpath(path);
    return QFileInfo(path).isDir();
}

}  // namespace vt
