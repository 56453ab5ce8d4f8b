#pragma once
// How test failures print the view's own types.

#include "view/viewstate.h"

#include <ostream>

inline std::ostream &operator<<(std::ostream &os, ViewMode m)
{
    return os << static_cast<int>(m);
}
