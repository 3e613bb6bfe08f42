#include "common/EntryFilter.h"

int FilterKey(int code) {
    constexpr int lastControlCode = 26;
    if (code <= lastControlCode)
        return code;
    const bool digit = code >= '0' && code <= '9';
    return (digit || code == '.') ? code : 0;
}
