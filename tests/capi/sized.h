// A struct of the C API as a caller gives it: zeroed, with its size set.
#ifndef TESTS_CAPI_SIZED_H
#define TESTS_CAPI_SIZED_H

template <typename Struct>
Struct sized() {
    Struct value{};
    value.size = sizeof value;
    return value;
}

#endif
