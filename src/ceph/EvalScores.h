#pragma once
// The evaluation scores that CephEval leaves for the rest of the program.
// They keep their values until the next evaluation; before the first one
// they read as 0, which is what the diagnosis expects of a missing score.

namespace vt {

struct EvalScores {
    int SkelVert = 0;  // -5..5, positive towards an open bite
    int SkelAP = 0;    // -10..10, positive towards Class II
    int UIIncl = 0;    // -5..5, negative retroclined, positive proclined
    int LIIncl = 0;    // -5..5, as UIIncl for the lower incisor
};

// The scores of the session's patient; the cephalometric form stores each
// evaluation's result here.
EvalScores& Scores();

}  // namespace vt
