#pragma once

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tessaly {

// The value of a look-up that cannot come back empty, for the reason given. Should it ever
// be empty, the program stops at once with that reason rather than reading through nothing;
// this holds in every build, not only in debug builds.
template <typename Lookup>
decltype(auto) expect(Lookup&& lookup, const char* why)
{
    if (!lookup) {
        std::fprintf(stderr, "tessaly: impossible empty look-up: %s\n", why);
        std::abort();
    }
    return *std::forward<Lookup>(lookup);
}

} // namespace tessaly
