#include "lines/owner_label.h"

#include <gtest/gtest.h>

#include "common/state.h"
#include "fake_os.h"

namespace qv {
namespace {

TEST(OwnerDrawLabel, MarkColumnAndLineNumbers) {
    fake::Reset();
    menuItems.itemCount = 2;
    menuItems.items[0] = MenuItem{"text", "text", 1, 7};
    menuItems.items[1] = MenuItem{"t&x", "t&x", 0, 12345};
    struct Case {
        unsigned id;
        int lineNumbers;
        const char* label;
    } cases[] = {
        {5000, 1, "* 0007  text"},
        {5000, 0, "*  text"},
        {5001, 1, "  12345  t&x"},
        {5001, 0, "   t&x"},
    };
    for (auto& c : cases) {
        activeStyle.lineNumbers = c.lineNumbers;
        std::string label;
        ASSERT_TRUE(OwnerDrawLabel(c.id, &label));
        EXPECT_EQ(label, c.label);
    }
}

TEST(OwnerDrawLabel, IdsOutsideTheTableHaveNoLabel) {
    fake::Reset();
    menuItems.itemCount = 3;
    std::string label = "unchanged";
    for (unsigned id : {0u, 4999u, 5003u, 6000u, 0xFFFFFFFFu}) EXPECT_FALSE(OwnerDrawLabel(id, &label)) << id;
    EXPECT_EQ(label, "unchanged");
    EXPECT_TRUE(OwnerDrawLabel(5002, &label));
    menuItems.itemCount = 0;
    EXPECT_FALSE(OwnerDrawLabel(5000, &label));
}

}  // namespace
}  // namespace qv
