#pragma once
// The one rule of every chart property setter: store only a different value, and tell the caller
// whether anything changed so that it notifies or repaints only then.

namespace Armalyx {

template <typename T, typename U> bool StoreIfChanged(T& field, const U& value) {
    if (field == value) {
        return false;
    }
    field = value;
    return true;
}

// The setter of a chart object: stores a different value and then asks for a repaint; an equal
// value does nothing. Each chart object passes its own repaint request.
template <typename T, typename U, typename TRequest>
void StoreAndRepaint(T& field, const U& value, const TRequest& requestRepaint) {
    if (Armalyx::StoreIfChanged(field, value)) {
        requestRepaint();
    }
}

} // namespace Armalyx
