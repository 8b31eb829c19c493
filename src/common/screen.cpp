#include "common/screen.h"

#include <cmath>

namespace qv {

int ComputeItemsPerPage(int maximizedHeight, int menuFontHeight) {
    int divisor = static_cast<int>(std::fabs(static_cast<double>(menuFontHeight)) + 3.0);
    return (maximizedHeight - 100) / divisor;
}

}  // namespace qv
