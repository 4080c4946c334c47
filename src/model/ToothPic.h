#pragma once
// The twelve stored tooth outlines the set-ups are pasted from: one
// quadrant's central incisor, canine, premolars and molars, upper (Mx) and
// lower (Mn). The lateral incisors have none: the central incisor's picture
// stands for the whole incisor stretch.

#include <array>

namespace vt {

enum class ToothPic { Mx1, Mx3, Mx4, Mx5, Mx6, Mx7, Mn1, Mn3, Mn4, Mn5, Mn6, Mn7 };

inline constexpr std::array<ToothPic, 12> kAllToothPics{ToothPic::Mx1,
                                                        ToothPic::Mx3,
                                                        ToothPic::Mx4,
                                                        ToothPic::Mx5,
                                                        ToothPic::Mx6,
                                                        ToothPic::Mx7,
                                                        ToothPic::Mn1,
                                                        ToothPic::Mn3,
                                                        ToothPic::Mn4,
                                                        ToothPic::Mn5,
                                                        ToothPic::Mn6,
                                                        ToothPic::Mn7};

// The picture box name: "picMx1" .. "picMn7".
constexpr const char* ToothPicName(ToothPic id) {
    constexpr std::array<const char*, 12> names{"picMx1",
                                                "picMx3",
                                                "picMx4",
                                                "picMx5",
                                                "picMx6",
                                                "picMx7",
                                                "picMn1",
                                                "picMn3",
                                                "picMn4",
                                                "picMn5",
                                                "picMn6",
                                                "picMn7"};
    return names[static_cast<int>(id)];
}

constexpr bool IsUpper(ToothPic id) { return static_cast<int>(id) < 6; }

}  // namespace vt
