#include "lines/owner_label.h"

#include <gtest/gtest.h>

#include "common/state.h"
#include "fake_os.h"

namespace qv {
namespace {

TEST(OwnerDrawLabel, MarkColumnLineNumbersAndIdsOutsideTheTable) {
    fake::Reset();
    menuItems.itemCount = 2;
    menuItems.items[0] = MenuItem{"text", "text", 1, 7};
    menuItems.items[1] = MenuItem{"t&x", "t&x", 0, 12345};
    const struct {
        unsigned id;
        int lineNumbers;
        const char* label;  // null: no label
    } cases[] = {
        {5000, 1, "* 0007  text"}, {5000, 0, "*  text"}, {5001, 1, "  12345  t&x"},
        {4999, 0, nullptr},        {5002, 0, nullptr},  {0xFFFFFFFFu, 0, nullptr},
    };
    for (auto& c : cases) {
        activeStyle.lineNumbers = c.lineNumbers;
        std::string label = "unchanged";
        EXPECT_EQ(OwnerDrawLabel(c.id, &label), c.label != nullptr) << c.id;
        EXPECT_EQ(label, c.label ? c.label : "unchanged") << c.id;
    }
}

}  // namespace
}  // namespace qv
