#pragma once

#include "conversion/qso_fields.h"

#include <ostream>

namespace logvane {

// Lets GoogleTest show which field differs.
inline void PrintTo(const QsoFields& f, std::ostream* os)
{
    *os << "{date=\"" << f.date << "\" time=\"" << f.time << "\" call=\"" << f.call << "\" mode=\""
        << f.mode << "\" rst_sent=\"" << f.rstSent << "\" rst_rcvd=\"" << f.rstRcvd
        << "\" locator=\"" << f.locator << "\"}";
}

} // namespace logvane
