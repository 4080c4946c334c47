#pragma once
// Everything the program holds of the patient now being seen: the patient
// record, each analysis's record, the radiograph, the preview's state. It is
// one value, so the next patient starts afresh in one place.
//
// Each layer keeps its records here under their own types and offers them
// through its own accessor (Patient(), Model(), Ceph(), ...), so intake knows
// nothing of the analyses.

#include <memory>
#include <typeindex>
#include <unordered_map>

namespace vt {

class Session {
public:
    // The session's record of type T, made at its start value (T{}) on first
    // use. Its address stays for the program's life.
    template <class T>
    T& record() {
        auto [slot, made] = records_.try_emplace(std::type_index(typeid(T)));
        if (made) slot->second = Slot::Holding<T>();
        return *static_cast<T*>(slot->second.value.get());
    }

    // The next patient: every record back to its start value, in place, so
    // that a form holding a record's address keeps seeing the session's.
    void reset() {
        for (auto& [type, slot] : records_) slot.reset(slot.value.get());
    }

private:
    struct Slot {
        std::shared_ptr<void> value;
        void (*reset)(void*) = nullptr;
        template <class T>
        static Slot Holding() {
            return {std::make_shared<T>(), [](void* v) { *static_cast<T*>(v) = T{}; }};
        }
    };
    std::unordered_map<std::type_index, Slot> records_;
};

// The one session of the program.
Session& CurrentSession();

}  // namespace vt
