#include "intake/Session.h"

namespace vt {

Session& CurrentSession() {
    static Session session;
    return session;
}

}  // namespace vt
