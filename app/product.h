// The product's name and version, as the windows show them.
#pragma once

#include <QString>

namespace almadex {

inline QString product_name() {
    return QStringLiteral("Almadex");
}
inline QString product_version() {
    return QStringLiteral(ALMADEX_VERSION);
}
} // namespace almadex
