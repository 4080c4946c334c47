#pragma once
// One folder per patient visit, where every analysis writes its result
// pages: $HOME/Patient Data/<ChartNo>(<AgeYear>Y<AgeMonth>M).

#include <QString>
#include <string>

#include "intake/PatientRecord.h"

namespace vt {

// "<ChartNo>(<AgeYear>Y<AgeMonth>M)", numbers in the default conversion.
std::string PatientFolderName(const PatientRecord& patient);
// The folder that holds all patient folders.
QString PatientDataRoot();
// A direct child of that folder for every chart number that ChartNoIsSafe
// lets through, even one that begins with ":", "~", "-" or a blank.
QString PatientFolderPath(const PatientRecord& patient);
// Full path of a result file in the patient's folder.
QString ResultFilePath(const PatientRecord& patient, const std::string& fileName);

// A chart number names exactly one folder inside the patient data folder:
// no separators, no control characters (C0, DEL or C1), not "." or "..".
bool ChartNoIsSafe(const std::string& chartNo);

// Creates every missing level of the path; existing folders and their files
// are left as they are. True when the folder exists afterwards.
bool CreateNewDirectory(const QString& path);

}  // namespace vt
