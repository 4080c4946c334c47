#include "ceph/CephNormTable.h"

#include "ceph/AgeBand.h"

namespace vt {

double NormOf(const CephNormRow& row, std::int16_t sex, double ageYear) {
    return row.norms[SexAgeColumn(sex, ageYear)];
}

NormRow CephNormRowFor(const CephNormRow& row, double value, const PatientRecord& p) {
    return {row.label, NormOf(row, p.Sex, p.AgeYear), static_cast<double>(row.sd), "#0", value};
}

}  // namespace vt
