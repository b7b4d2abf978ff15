#pragma once
// Errors that legend property setters raise; the stored value stays as it was.

#include "ChartException.h"

class LegendException final : public ChartException {
public:
    using ChartException::ChartException;
};
