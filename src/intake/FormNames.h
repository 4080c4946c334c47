#pragma once
// The names of the program's forms, by which forms navigate to each other
// without including one another.

namespace vt::FormName {

inline constexpr char Start[] = "frmPatientInfo";
inline constexpr char Preview[] = "frmAxPreview";
inline constexpr char Model[] = "frmModel";
inline constexpr char Cephalo[] = "frmCephalo";
inline constexpr char Image[] = "frmImage";
inline constexpr char Diagnosis[] = "frmDiagnosis";

}  // namespace vt::FormName
