#pragma once
// Reading a typed number the way the C library's atoi does, without its
// undefined behaviour on overflow.

#include <QStringView>

// Leading white space, an optional sign, then decimal digits up to the first
// other character; text without digits gives 0. A number beyond int's range
// comes back beyond that range (capped far above it), so a range check on the
// result rejects it instead of seeing a wrapped value.
long long ReadLeadingInteger(QStringView text);
