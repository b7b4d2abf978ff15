#pragma once
// Errors that axis property setters raise when a value would leave the axis inconsistent.

#include "ChartException.h"

class AxisException final : public ChartException {
public:
    using ChartException::ChartException;
};
