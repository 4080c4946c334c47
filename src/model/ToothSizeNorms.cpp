#include "model/ToothSizeNorms.h"

namespace vt {

namespace {

template <auto Member>
std::optional<double> Read(const ModelRecord& m) {
    return std::optional<double>(m.*Member);
}

}  // namespace

// Each sum's means are twice the six tooth means of its jaw.
const std::array<ToothSizeNorm, 16> ToothSizeNorms{{
    {"상악 중절치", &Read<&ModelRecord::U1>, 8.6, 8.2, 0.5},
    {"상악 측절치", &Read<&ModelRecord::U2>, 7.1, 6.8, 0.4},
    {"상악 견치", &Read<&ModelRecord::U3>, 8.1, 7.7, 0.4},
    {"상악 제1소구치", &Read<&ModelRecord::U4>, 7.4, 7.3, 0.4},
    {"상악 제2소구치", &Read<&ModelRecord::U5>, 6.9, 6.8, 0.4},
    {"상악 제1대구치", &Read<&ModelRecord::U6>, 10.4, 10.1, 0.6},
    {"상악 치관폭경총합", &Read<&ModelRecord::U12T>, 97, 93.8, 4.1},
    {"하악 중절치", &Read<&ModelRecord::L1>, 5.4, 5.3, 0.4},
    {"하악 측절치", &Read<&ModelRecord::L2>, 6.1, 5.9, 0.4},
    {"하악 견치", &Read<&ModelRecord::L3>, 7.2, 6.9, 0.4},
    {"하악 제1소구치", &Read<&ModelRecord::L4>, 7.2, 7, 0.4},
    {"하악 제2소구치", &Read<&ModelRecord::L5>, 7.1, 6.9, 0.4},
    {"하악 제1대구치", &Read<&ModelRecord::L6>, 11.4, 11, 0.6},
    {"하악 치관폭경총합", &Read<&ModelRecord::L12T>, 88.8, 86, 3.9},
    {"상악 기저폭경", &Read<&ModelRecord::UBAW>, 49, 47, 2},
    {"하악 기저폭경", &Read<&ModelRecord::LBAW>, 43, 41, 2},
}};

}  // namespace vt
