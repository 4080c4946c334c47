#include "model/ModelRecord.h"

namespace vt {

ModelRecord& Model() {
    static ModelRecord record;
    return record;
}

}  // namespace vt
