#include "platform/Seams.h"

#include <utility>

namespace vt {

Seams& CurrentSeams() {
    static Seams seams;
    return seams;
}

SeamsGuard::SeamsGuard() : saved_(std::exchange(CurrentSeams(), Seams{})) {}

SeamsGuard::~SeamsGuard() { CurrentSeams() = std::move(saved_); }

}  // namespace vt
