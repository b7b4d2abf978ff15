#pragma once
// The one rule of every chart property setter: store only a different value, and tell the caller
// whether anything changed so that it notifies or repaints only then.

template <typename T, typename U> bool StoreIfChanged(T& field, const U& value) {
    if (field == value) {
        return false;
    }
    field = value;
    return true;
}
